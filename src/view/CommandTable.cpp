#include "view/CommandTable.h"

#include "document/CommandIds.h"

#include <QCoreApplication>

namespace {

using namespace Command;

// clang-format off
const CommandInfo Commands[] = {
    // File
    {FileNew, QT_TRANSLATE_NOOP("Command", "Новый"), "Ctrl+N", QT_TRANSLATE_NOOP("Command", "Создать новую конструкцию\nНовая конструкция"), "new", false},
    {FileOpen, QT_TRANSLATE_NOOP("Command", "Открыть..."), "Ctrl+O", QT_TRANSLATE_NOOP("Command", "Открыть конструкцию из файла\nОткрыть"), "open", false},
    {FileSave, QT_TRANSLATE_NOOP("Command", "Сохранить"), "Ctrl+S", QT_TRANSLATE_NOOP("Command", "Сохранить конструкцию в файл\nСохранить"), "save", false},
    {FileSaveAs, QT_TRANSLATE_NOOP("Command", "Сохранить как..."), "", QT_TRANSLATE_NOOP("Command", "Сохранить конструкцию в файл с другим именем\nСохранить как"), "", false},
    {FileExport, QT_TRANSLATE_NOOP("Command", "Экспорт..."), "", QT_TRANSLATE_NOOP("Command", "Сохранить печатную страницу в файл PDF, SVG или PNG\nЭкспорт"), "", false},
    {FilePrint, QT_TRANSLATE_NOOP("Command", "Печать..."), "Ctrl+P", QT_TRANSLATE_NOOP("Command", "Напечатать конструкцию с результатами\nПечать"), "print", false},
    {FilePrintPreview, QT_TRANSLATE_NOOP("Command", "Предварительный просмотр"), "", QT_TRANSLATE_NOOP("Command", "Показать страницу так, как она будет напечатана\nПредварительный просмотр"), "print-preview", false},
    {FilePrintSetup, QT_TRANSLATE_NOOP("Command", "Настройки принтера..."), "", QT_TRANSLATE_NOOP("Command", "Выбрать принтер и параметры страницы\nНастройки принтера"), "", false},
    {FileMru1, QT_TRANSLATE_NOOP("Command", "1"), "", QT_TRANSLATE_NOOP("Command", "Открыть этот файл\nОткрыть файл"), "", false},
    {FileMru1 + 1, QT_TRANSLATE_NOOP("Command", "2"), "", QT_TRANSLATE_NOOP("Command", "Открыть этот файл\nОткрыть файл"), "", false},
    {FileMru1 + 2, QT_TRANSLATE_NOOP("Command", "3"), "", QT_TRANSLATE_NOOP("Command", "Открыть этот файл\nОткрыть файл"), "", false},
    {FileMru1 + 3, QT_TRANSLATE_NOOP("Command", "4"), "", QT_TRANSLATE_NOOP("Command", "Открыть этот файл\nОткрыть файл"), "", false},
    {AppExit, QT_TRANSLATE_NOOP("Command", "Выход"), "", QT_TRANSLATE_NOOP("Command", "Закрыть программу, предложив сохранить изменения\nВыход"), "", false},

    // Edit
    {EditUndo, QT_TRANSLATE_NOOP("Command", "Отменить"), "Ctrl+Z; Alt+Backspace", QT_TRANSLATE_NOOP("Command", "Отменить последнее изменение конструкции\nОтменить"), "undo", false},
    {EditRedo, QT_TRANSLATE_NOOP("Command", "Повторить"), "Ctrl+Y", QT_TRANSLATE_NOOP("Command", "Вернуть отмененное изменение\nПовторить"), "redo", false},
    {SelectAll, QT_TRANSLATE_NOOP("Command", "Выделить все"), "Ctrl+A", QT_TRANSLATE_NOOP("Command", "Выделить все узлы и стержни\nВыделить все"), "", false},
    {DeselectAll, QT_TRANSLATE_NOOP("Command", "Отменить выделение"), "Ctrl+D", QT_TRANSLATE_NOOP("Command", "Снять выделение со всех узлов и стержней\nОтменить выделение"), "", false},
    {SelectAllNodes, QT_TRANSLATE_NOOP("Command", "Все узлы"), "", QT_TRANSLATE_NOOP("Command", "Выделить все узлы\nВсе узлы"), "", false},
    {SelectAllRods, QT_TRANSLATE_NOOP("Command", "Все стержни"), "", QT_TRANSLATE_NOOP("Command", "Выделить все стержни\nВсе стержни"), "", false},
    {SelectHorizontalRods, QT_TRANSLATE_NOOP("Command", "Горизонтальные стержни"), "", QT_TRANSLATE_NOOP("Command", "Выделить все горизонтальные стержни\nГоризонтальные стержни"), "", false},
    {SelectVerticalRods, QT_TRANSLATE_NOOP("Command", "Вертикальные стержни"), "", QT_TRANSLATE_NOOP("Command", "Выделить все вертикальные стержни\nВертикальные стержни"), "", false},
    {EditCopy, QT_TRANSLATE_NOOP("Command", "Копировать"), "Ctrl+C; Ctrl+Ins", QT_TRANSLATE_NOOP("Command", "Копировать выделенное в буфер обмена\nКопировать"), "", false},
    {EditCut, QT_TRANSLATE_NOOP("Command", "Вырезать"), "Ctrl+X; Shift+Del", QT_TRANSLATE_NOOP("Command", "Вырезать выделенное в буфер обмена\nВырезать"), "", false},
    {EditPaste, QT_TRANSLATE_NOOP("Command", "Вставить"), "Ctrl+V; Shift+Ins", QT_TRANSLATE_NOOP("Command", "Вставить из буфера обмена\nВставить"), "", false},

    // Context menu of the view
    {NodeProperties, QT_TRANSLATE_NOOP("Command", "Свойства узла..."), "", QT_TRANSLATE_NOOP("Command", "Изменить свойства узла\nСвойства узла"), "", false},
    {RodProperties, QT_TRANSLATE_NOOP("Command", "Свойства стержня..."), "", QT_TRANSLATE_NOOP("Command", "Изменить свойства стержня\nСвойства стержня"), "", false},
    {DeleteNode, QT_TRANSLATE_NOOP("Command", "Удалить узел"), "", QT_TRANSLATE_NOOP("Command", "Удалить узел вместе с присоединенными стержнями\nУдалить узел"), "", false},
    {DeleteRod, QT_TRANSLATE_NOOP("Command", "Удалить стержень"), "", QT_TRANSLATE_NOOP("Command", "Удалить стержень\nУдалить стержень"), "", false},
    {DeleteForce, QT_TRANSLATE_NOOP("Command", "Удалить силу"), "", QT_TRANSLATE_NOOP("Command", "Удалить силу, приложенную к узлу\nУдалить силу"), "", false},
    {DeleteMoment, QT_TRANSLATE_NOOP("Command", "Удалить момент"), "", QT_TRANSLATE_NOOP("Command", "Удалить момент, приложенный к узлу\nУдалить момент"), "", false},
    {DeleteDistributedLoad, QT_TRANSLATE_NOOP("Command", "Удалить распределенную нагрузку"), "", QT_TRANSLATE_NOOP("Command", "Удалить распределенную нагрузку со стержня\nУдалить нагрузку"), "", false},
    {DeleteTemperature, QT_TRANSLATE_NOOP("Command", "Удалить температурную нагрузку"), "", QT_TRANSLATE_NOOP("Command", "Удалить температурную нагрузку со стержня\nУдалить температуру"), "", false},
    {DeleteDisplacement, QT_TRANSLATE_NOOP("Command", "Удалить перемещение"), "", QT_TRANSLATE_NOOP("Command", "Удалить заданное перемещение опоры\nУдалить перемещение"), "", false},

    // View
    {ShowGrid, QT_TRANSLATE_NOOP("Command", "Сетка"), "Ctrl+G", QT_TRANSLATE_NOOP("Command", "Включить/Выключить сетку\nВключить/Выключить сетку"), "grid", true},
    {ShowNumbers, QT_TRANSLATE_NOOP("Command", "Номера элементов"), "Ctrl+M", QT_TRANSLATE_NOOP("Command", "Показать/Скрыть номера узлов и стержней\nНомера элементов"), "numbers", true},
    {ShowLoads, QT_TRANSLATE_NOOP("Command", "Нагрузки"), "", QT_TRANSLATE_NOOP("Command", "Показать/Скрыть нагрузки\nНагрузки"), "loads", true},
    {ShowValues, QT_TRANSLATE_NOOP("Command", "Значения нагрузок и усилий"), "", QT_TRANSLATE_NOOP("Command", "Показать/Скрыть значения нагрузок, усилий и перемещений\nЗначения нагрузок и усилий"), "values", true},
    {ShowMoments, QT_TRANSLATE_NOOP("Command", "Эпюра моментов"), "", QT_TRANSLATE_NOOP("Command", "Рассчитать конструкцию и показать эпюру изгибающих моментов\nЭпюра моментов"), "moments", true},
    {ShowShear, QT_TRANSLATE_NOOP("Command", "Эпюра поперечных сил"), "", QT_TRANSLATE_NOOP("Command", "Рассчитать конструкцию и показать эпюру поперечных сил\nЭпюра поперечных сил"), "shear", true},
    {ShowAxial, QT_TRANSLATE_NOOP("Command", "Эпюра продольных сил"), "", QT_TRANSLATE_NOOP("Command", "Рассчитать конструкцию и показать эпюру продольных сил\nЭпюра продольных сил"), "axial", true},
    {ShowDisplacements, QT_TRANSLATE_NOOP("Command", "Схема перемещений"), "", QT_TRANSLATE_NOOP("Command", "Рассчитать конструкцию и показать перемещения узлов\nСхема перемещений"), "displacements", true},
    {ShowReactions, QT_TRANSLATE_NOOP("Command", "Реакции опор"), "", QT_TRANSLATE_NOOP("Command", "Рассчитать конструкцию и показать реакции опор\nРеакции опор"), "reactions", true},
    {ZoomIn, QT_TRANSLATE_NOOP("Command", "Увеличить\t+"), "", QT_TRANSLATE_NOOP("Command", "Увеличить изображение вдвое\nУвеличить"), "zoom-in", false},
    {ZoomOut, QT_TRANSLATE_NOOP("Command", "Уменьшить\t-"), "", QT_TRANSLATE_NOOP("Command", "Уменьшить изображение вдвое\nУменьшить"), "zoom-out", false},
    {FitAll, QT_TRANSLATE_NOOP("Command", "Показать всю конструкцию"), "Ctrl+R", QT_TRANSLATE_NOOP("Command", "Показать всю конструкцию в окне\nПоказать всю конструкцию"), "fit-all", false},
    {ViewToolbar, QT_TRANSLATE_NOOP("Command", "Инструменты"), "", QT_TRANSLATE_NOOP("Command", "Показать/Скрыть панель инструментов\nИнструменты"), "", true},
    {ViewStatusBar, QT_TRANSLATE_NOOP("Command", "Статус"), "", QT_TRANSLATE_NOOP("Command", "Показать/Скрыть строку состояния\nСтрока состояния"), "", true},
    {DebugMode, QT_TRANSLATE_NOOP("Command", "Режим отладки"), "Alt+D", QT_TRANSLATE_NOOP("Command", "Включить/Выключить режим отладки\nРежим отладки"), "", true},

    // Modes
    {ModeSupportNode, QT_TRANSLATE_NOOP("Command", "Опорный узел"), "F2", QT_TRANSLATE_NOOP("Command", "Добавлять опорные узлы\nОпорный узел"), "mode-support-node", true},
    {ModeFreeNode, QT_TRANSLATE_NOOP("Command", "Свободный узел"), "F3", QT_TRANSLATE_NOOP("Command", "Добавлять свободные узлы\nСвободный узел"), "mode-free-node", true},
    {ModeRod, QT_TRANSLATE_NOOP("Command", "Стержень"), "F4", QT_TRANSLATE_NOOP("Command", "Соединять узлы стержнями\nСтержень"), "mode-rod", true},
    {ModeForce, QT_TRANSLATE_NOOP("Command", "Сила"), "F5", QT_TRANSLATE_NOOP("Command", "Прикладывать силы к свободным узлам\nСила"), "mode-force", true},
    {ModeDistributedLoad, QT_TRANSLATE_NOOP("Command", "Распределенная нагрузка"), "F6", QT_TRANSLATE_NOOP("Command", "Прикладывать распределенную нагрузку к стержням\nРаспределенная нагрузка"), "mode-distributed-load", true},
    {ModeMoment, QT_TRANSLATE_NOOP("Command", "Момент"), "F7", QT_TRANSLATE_NOOP("Command", "Прикладывать моменты к свободным узлам\nМомент"), "mode-moment", true},
    {ModeTemperature, QT_TRANSLATE_NOOP("Command", "Температура"), "", QT_TRANSLATE_NOOP("Command", "Задавать температурную нагрузку стержней\nТемпературная нагрузка"), "mode-temperature", true},
    {ModeDisplacement, QT_TRANSLATE_NOOP("Command", "Перемещения"), "", QT_TRANSLATE_NOOP("Command", "Задавать перемещения опорных узлов\nПеремещение опоры"), "mode-displacement", true},
    {ModeEdit, QT_TRANSLATE_NOOP("Command", "Режим редактирования"), "F10", QT_TRANSLATE_NOOP("Command", "Выделять элементы и изменять их свойства\nРежим редактирования"), "mode-edit", true},
    {ModeDelete, QT_TRANSLATE_NOOP("Command", "Режим удаления"), "", QT_TRANSLATE_NOOP("Command", "Удалять узлы, стержни и нагрузки щелчком мыши\nРежим удаления"), "mode-delete", true},

    // Settings
    {Results, QT_TRANSLATE_NOOP("Command", "Результаты..."), "", QT_TRANSLATE_NOOP("Command", "Рассчитать конструкцию и показать отчет о результатах\nРезультаты расчета"), "results", false},
    {ShowLog, QT_TRANSLATE_NOOP("Command", "Журнал расчета..."), "", QT_TRANSLATE_NOOP("Command", "Показать журнал последнего расчета\nЖурнал расчета"), "", false},
    {Calculator, QT_TRANSLATE_NOOP("Command", "Калькулятор"), "", QT_TRANSLATE_NOOP("Command", "Запустить калькулятор\nКалькулятор"), "", false},
    {Statistics, QT_TRANSLATE_NOOP("Command", "Статистика..."), "Ctrl+K", QT_TRANSLATE_NOOP("Command", "Показать число узлов и стержней\nСтатистика"), "", false},
    {Options, QT_TRANSLATE_NOOP("Command", "Параметры..."), "F12", QT_TRANSLATE_NOOP("Command", "Изменить параметры программы\nПараметры"), "options", false},

    // Help
    {HelpContents, QT_TRANSLATE_NOOP("Command", "Содержание"), "F1", QT_TRANSLATE_NOOP("Command", "Открыть содержание справки\nСправка"), "help", false},
    {Tutorial, QT_TRANSLATE_NOOP("Command", "Учебник"), "", QT_TRANSLATE_NOOP("Command", "Открыть учебник: первая конструкция шаг за шагом\nУчебник"), "", false},
    {TechnicalSupport, QT_TRANSLATE_NOOP("Command", "Техническая поддержка..."), "", QT_TRANSLATE_NOOP("Command", "Как сообщить о неполадке в программе\nТехническая поддержка"), "", false},
    {WebSite, QT_TRANSLATE_NOOP("Command", "Сайт Руво в Интернете..."), "", QT_TRANSLATE_NOOP("Command", "Открыть сайт Руво в браузере\nСайт Руво в Интернете"), "web", false},
    {About, QT_TRANSLATE_NOOP("Command", "О Руво..."), "", QT_TRANSLATE_NOOP("Command", "Показать сведения о программе, ее версии и авторах\nО Руво"), "about", false},
};
// clang-format on

} // namespace

std::span<const CommandInfo> CommandTable()
{
    return Commands;
}

const CommandInfo *FindCommand(int id)
{
    for (const CommandInfo &command : Commands)
        if (command.id == id)
            return &command;
    return nullptr;
}
