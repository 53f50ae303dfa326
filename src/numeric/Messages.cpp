#include "numeric/Messages.h"

#include "numeric/Translation.h"
#include "numeric/TranslationGeneration.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <mutex>
#include <string>

namespace {

struct StringEntry {
    int id;
    const char *text;
};

// Sorted by id. Error messages: headline, a tab, then the reason.
constexpr StringEntry stringTable[] = {
    {50104, QT_TRANSLATE_NOOP("StringTable", "Время расчета: %10.5g секунд")},
    {50105, QT_TRANSLATE_NOOP("StringTable", "ОТЧЕТ ПО КОНСТРУКЦИИ\r\n\r\n")},
    {50106, QT_TRANSLATE_NOOP("StringTable", "\r\nМоменты\r\n-------\r\n\r\n")},
    {50107, QT_TRANSLATE_NOOP("StringTable", "Стержень %d:    \tM(%d) = % 10.6g\t\tM(%d) = % 10.6g\r\n")},
    {50108, QT_TRANSLATE_NOOP("StringTable", "Стержень %d:    \tQ(%d) = % 10.6g\t\tQ(%d) = % 10.6g\r\n")},
    {50109, QT_TRANSLATE_NOOP("StringTable", "Стержень %d:    \tN(%d) = % 10.6g\t\tN(%d) = % 10.6g\r\n")},
    {50110, QT_TRANSLATE_NOOP("StringTable", "Узел %d:  \tdx = % 10.6g  dy = % 10.6g  da = % 10.6g\r\n")},
    {50111, QT_TRANSLATE_NOOP("StringTable", "\r\nПоперечные силы\r\n---------------\r\n\r\n")},
    {50112, QT_TRANSLATE_NOOP("StringTable", "\r\nПродольные силы\r\n---------------\r\n\r\n")},
    {50113, QT_TRANSLATE_NOOP("StringTable", "\r\nПеремещения\r\n-----------\r\n\r\n")},
    {50114,
     QT_TRANSLATE_NOOP("StringTable",
                       "Единицы: силы N, длины и перемещения m, моменты N·m, углы поворота в радианах\r\n")},
    {50115, QT_TRANSLATE_NOOP("StringTable", "\r\nРеакции\r\n-------\r\n\r\n")},
    {50116, QT_TRANSLATE_NOOP("StringTable", "Узел %d:  \tRx = %10g  Ry = %10g  M = %10g\r\n")},
    {50117,
     QT_TRANSLATE_NOOP("StringTable",
                       "\r\nЭкстремумы моментов в пролетах\r\n------------------------------\r\n\r\n")},
    {50118, QT_TRANSLATE_NOOP("StringTable", "Угол")},
    {50119, QT_TRANSLATE_NOOP("StringTable", "Стержень %d:    \tM = % 10.6g\t\tx = % 10.6g от узла %d\r\n")},
    {50202, QT_TRANSLATE_NOOP(
                "StringTable",
                "Отсутствуют опорные узлы/стержни!\tДобавьте хотя бы один опорный узел или стержень.")},
    {50203, QT_TRANSLATE_NOOP(
                "StringTable",
                "Стержень %d присоединен к странным узлам: Начальный узел %d, Конечный узел %d (en < bn!)\t"
                "Неверная топология. Возможно вы пытаетесь рассчитать конструкцию созданную не Руво.")},
    {50204,
     QT_TRANSLATE_NOOP("StringTable",
                       "Топологическая ошибка!\tОбнаружен узел, к которому не подходит ни один стержень!")},
    {50205,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Топологическая ошибка!\tНайдена подвижная заделка! Я дико извиняюсь, но этот тип опоры я никак не "
         "могу посчитать. Подождите следующую версию Руво, а пока постарайтесь заменить подвижную заделку "
         "стержнями и шарнирами.")},
    {50206,
     QT_TRANSLATE_NOOP("StringTable", "Деление на ноль!\tТакое бывает, но редко. Сообщите об ошибке.")},
    {50207,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Невозможно решить фундаментальное уравнение\tВозможные причины:\n"
         "- Конструкция неустойчива, проверьте топологию.\n"
         "- Конструкция предполагает наличие осевой податливости в стержнях. Это не соотвествует расчетной "
         "модели Руво.")},
    {50208,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Топологическая ошибка!\tВ конструкции нет неопорных стержней, никак не могу рассчитать такую "
         "конструкцию.")},
    {50209,
     QT_TRANSLATE_NOOP("StringTable",
                       "Топологическая ошибка!\tПодвижные шарниры должны быть заменены опорными стержнями.")},
    {50210, QT_TRANSLATE_NOOP("StringTable", "Топологическая ошибка!\tОшибка в подсчете числа узлов.")},
    {50212, QT_TRANSLATE_NOOP("StringTable", "Ошибка в расчетах\tВектор %s содержит нулевые значения!")},
    {50213, QT_TRANSLATE_NOOP("StringTable", "Изменяемая конструкция!\tМой вам совет: добавьте стержней")},
    // No tab: reported with the reason "Internal error!".
    {50215, QT_TRANSLATE_NOOP(
                "StringTable",
                "Произошла математическая ошибка в функции %s:\n%s\n\nСообщите об ошибке авторам Руво.")},
    {50216, QT_TRANSLATE_NOOP("StringTable", "Ошибка в расчетах!\tЧисло неизвестных линейных перемещений "
                                             "меньше нуля. Измените расчетную схему.")},
    {50218, QT_TRANSLATE_NOOP("StringTable", "Ошибка открытия файла!\tФайл %s не может быть открыт")},
    {50219, QT_TRANSLATE_NOOP("StringTable", "Ошибка чтения данных!\tНе могу загрузить узлы.")},
    {50220, QT_TRANSLATE_NOOP("StringTable",
                              "Файл журнала не существует!\tВключите запись в журнал в диалоге Настройки")},
    {50221, QT_TRANSLATE_NOOP("StringTable", "Ошибка чтения данных!\tНе могу загрузить стержни.")},
    {50222,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Ошибка в расчетах!\tЧисло неизвестных линейных перемещений в основной системе равно нулю. Добавьте "
         "узел в середину любого стержня.")},
    {50223,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Момент приложен к шарнирному узлу!\tВ узле %d все стержни присоединены шарнирами, и "
         "сосредоточенный "
         "момент не может быть воспринят. Сделайте хотя бы одно соединение в этом узле жестким или уберите "
         "момент.")},
    {50224,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Число вне допустимого диапазона!\tУзел %d: %s = %g. Расчет возможен, если координаты, нагрузки и "
         "перемещения узлов по модулю не больше 1e+50.")},
    {50225,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Число вне допустимого диапазона!\tСтержень %d: %s = %g. Расчет возможен, если жесткости, размеры "
         "и нагрузки стержней по модулю не больше 1e+50.")},
    {50226, QT_TRANSLATE_NOOP(
                "StringTable",
                "Все стержни присоединены к свободным узлам шарнирно. Соединения можно сделать жесткими: в "
                "свойствах стержня (\"Жесткая связь\") или, для новых стержней, в диалоге \"Параметры\".")},
    {50227,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Результаты не прошли проверку!\tВ %s не выполнены условия равновесия или совместности деформаций: "
         "жесткости стержней различаются слишком сильно для точности метода. Уменьшите разницу жесткостей "
         "стержней.")},
    {50228,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Недостаточно памяти!\tДля расчета с жесткими стержнями нужно около %.0f МБ памяти, а доступно "
         "только %.0f МБ.")},
    {50229,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "С учетом продольных деформаций стержней (флажок \"Учитывать продольные деформации\" в диалоге "
         "\"Параметры\") эту конструкцию можно рассчитать.")},
    {51004, QT_TRANSLATE_NOOP(
                "StringTable",
                "К опорному узлу нельзя прикладывать силовую нагрузку! Силовая нагрузка будет автоматически "
                "удалена.")},
    {51005,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "К неопорному узлу нельзя прикладывать кинематическую нагрузку! Кинематическая нагрузка будет "
         "автоматически удалена.")},
    {51006,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Кинематическое воздействие (перемещение или поворот) может быть приложено только к опорным узлам "
         "конструкции.")},
    {51007,
     QT_TRANSLATE_NOOP(
         "StringTable",
         "Силовое воздействие (сила или момент) может быть приложено только к неопорным узлам конструкции.")},
    {57345, QT_TRANSLATE_NOOP("StringTable", "Готов")},
};

static_assert(std::is_sorted(std::begin(stringTable), std::end(stringTable),
                             [](const StringEntry &a, const StringEntry &b) { return a.id < b.id; }),
              "the string table must be sorted by id");

} // namespace

namespace {

const StringEntry *findEntry(int id)
{
    const auto *entry = std::lower_bound(std::begin(stringTable), std::end(stringTable), id,
                                         [](const StringEntry &e, int key) { return e.id < key; });
    if (entry == std::end(stringTable) || entry->id != id)
        return nullptr;
    return entry;
}

// The translated texts handed out so far, for the current translator. A
// std::map keeps its strings in place while new ones are added, so the
// pointers returned stay valid until the translator changes.
const char *translatedEntry(const StringEntry &entry)
{
    static std::mutex mutex;
    static std::map<int, std::string> texts;
    static unsigned generation = 0;
    const std::lock_guard<std::mutex> lock(mutex);
    if (generation != TextTranslatorGeneration()) {
        texts.clear();
        generation = TextTranslatorGeneration();
    }
    auto found = texts.find(entry.id);
    if (found == texts.end())
        found = texts.emplace(entry.id, TranslatedText(StringTableContext, entry.text)).first;
    return found->second.c_str();
}

} // namespace

const char *LoadString(int id)
{
    const StringEntry *entry = findEntry(id);
    if (entry == nullptr)
        return "";
    return HasTextTranslator() ? translatedEntry(*entry) : entry->text;
}

const char *LoadSourceString(int id)
{
    const StringEntry *entry = findEntry(id);
    return entry == nullptr ? "" : entry->text;
}
