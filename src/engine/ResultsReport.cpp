#include "engine/ResultsReport.h"

#include "engine/StiffnessCalculation.h"
#include "model/CLocale.h"
#include "model/Settings.h"
#include "model/SpanExtreme.h"
#include "numeric/Messages.h"
#include "numeric/Translation.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

// Appends a string-table line formatted printf-style with its arguments.
void appendFormatted(std::string &text, int id, ...)
{
    const char *format = LoadString(id);
    va_list args;
    va_start(args, id);
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.append(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
}

// A node label: its number, or its position in debug mode (also for a
// position outside the list, which a calculated structure never has).
int nodeLabel(const StructureModel &structure, int node, bool debugMode)
{
    if (debugMode || node < 0 || node >= structure.nodes.count)
        return node;
    return structure.nodes[node].number;
}

} // namespace

std::string ResultsReport(const StructureModel &structure, bool debugMode)
{
    // Numbers always with a decimal point, whatever the user's locale.
    CLocaleScope cLocale;

    std::string moments = LoadString(50106);
    std::string shear = LoadString(50111);
    std::string axial = LoadString(50112);
    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        const int label = debugMode ? r : rod.number;
        const int begin = nodeLabel(structure, rod.begin.node, debugMode);
        const int end = nodeLabel(structure, rod.end.node, debugMode);
        appendFormatted(moments, 50107, label, begin, rod.resultM.x, end, rod.resultM.y);
        appendFormatted(shear, 50108, label, begin, rod.resultQ.x, end, rod.resultQ.y);
        appendFormatted(axial, 50109, label, begin, rod.resultN.x, end, rod.resultN.y);
    }

    std::string displacements = LoadString(50113);
    for (int n = 0; n < structure.nodes.count; ++n) {
        const Node &node = structure.nodes[n];
        const Triple &d = node.resultDisplacement;
        appendFormatted(displacements, 50110, debugMode ? n : node.number, d.x, d.y, d.z);
    }

    // Added after the specified sections: the reactions of the supports
    // (counter-clockwise moments positive, as drawn) and the moment
    // extremes inside spans.
    std::string reactions = LoadString(50115);
    for (int n = 0; n < structure.nodes.count; ++n) {
        const Node &node = structure.nodes[n];
        if (node.isFree != 0)
            continue;
        const Triple &r = node.reaction;
        appendFormatted(reactions, 50116, debugMode ? n : node.number, r.x, r.y, r.z);
    }

    std::string extremes = LoadString(50117);
    for (int r = 0; r < structure.rods.count; ++r) {
        const SpanExtreme extreme = MomentExtremeInSpan(structure, r);
        if (!extreme.exists)
            continue;
        const Rod &rod = structure.rods[r];
        appendFormatted(extremes, 50119, debugMode ? r : rod.number, extreme.value, extreme.distance,
                        nodeLabel(structure, rod.begin.node, debugMode));
    }

    std::string report = std::string(LoadString(50105)) + LoadString(50114) + moments + shear + axial +
                         displacements + reactions + extremes;
    // With compliant rods, name once the rods whose EF was never set.
    if (Settings::current().axialCompliance != 0) {
        const std::string note = BareAxialRigidityNote(structure, debugMode);
        if (!note.empty())
            report +=
                TranslatedText("ResultsReport", QT_TRANSLATE_NOOP("ResultsReport", "\r\nПримечание: ")) +
                note + "\r\n";
    }
    return report;
}
