#include "engine/InputCheck.h"

#include "model/Settings.h"
#include "numeric/CalcLog.h"
#include "numeric/Messages.h"
#include "numeric/Translation.h"

#include <cmath>
#include <initializer_list>

namespace {

constexpr int nodeValueMessage = 50224;
constexpr int rodValueMessage = 50225;

struct Field {
    const char *name; // as the property dialogs name it; translated when shown
    double value;
};

// The first field the calculation cannot carry, or nullptr.
const Field *firstTooLarge(std::initializer_list<Field> fields)
{
    for (const Field &field : fields) {
        if (std::isfinite(field.value) && std::fabs(field.value) > InputMagnitudeLimit)
            return &field;
    }
    return nullptr;
}

} // namespace

bool CheckInputMagnitudes(const StructureModel &structure)
{
    const bool debugMode = Settings::current().debugMode;
    for (int n = 0; n < structure.nodes.count; ++n) {
        const Node &node = structure.nodes[n];
        const std::initializer_list<Field> fields = {
            {"X", node.x},
            {"Y", node.y},
            {QT_TRANSLATE_NOOP("InputCheck", "Сила X"), node.force.x},
            {QT_TRANSLATE_NOOP("InputCheck", "Сила Y"), node.force.y},
            {QT_TRANSLATE_NOOP("InputCheck", "Момент"), node.moment},
            {"DX", node.displacement.x},
            {"DY", node.displacement.y},
            {QT_TRANSLATE_NOOP("InputCheck", "Угол"), node.displacement.z},
        };
        if (const Field *field = firstTooLarge(fields)) {
            ReportError(LoadString(nodeValueMessage), debugMode ? n : node.number,
                        TranslatedText("InputCheck", field->name).c_str(), field->value);
            return false;
        }
    }
    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        const std::initializer_list<Field> fields = {
            {"EI", rod.EI},
            {QT_TRANSLATE_NOOP("InputCheck", "Высота"), rod.height},
            {QT_TRANSLATE_NOOP("InputCheck", "Альфа"), rod.alpha},
            {"qx", rod.load.x},
            {"qy", rod.load.y},
            {QT_TRANSLATE_NOOP("InputCheck", "Температура слева"), rod.temperature.x},
            {QT_TRANSLATE_NOOP("InputCheck", "Температура справа"), rod.temperature.y},
        };
        if (const Field *field = firstTooLarge(fields)) {
            ReportError(LoadString(rodValueMessage), debugMode ? r : rod.number,
                        TranslatedText("InputCheck", field->name).c_str(), field->value);
            return false;
        }
    }
    return true;
}
