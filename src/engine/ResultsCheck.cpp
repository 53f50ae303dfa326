#include "engine/ResultsCheck.h"

#include "model/Settings.h"
#include "numeric/CalcLog.h"
#include "numeric/Translation.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int resultsCheckMessage = 50227;

struct RodGeometry {
    double length = 0.0;
    double c = 0.0; // direction t = (c, s), normal n = (-s, c)
    double s = 0.0;
    bool link = false; // hinged at both ends and reaching a support
    bool rigidBegin = false;
    bool rigidEnd = false;
};

class Checker {
public:
    Checker(const StructureModel &structure, const ResultsCheckOptions &options)
        : structure(structure), options(options)
    {
    }

    ResultsCheck Run()
    {
        MeasureRods();
        MeasureScales();
        CheckNodes();
        CheckRods();
        result.passed = result.worst <= options.tolerance;
        return result;
    }

private:
    void Note(double deviation, double scale, bool atNode, int position, const char *what)
    {
        // Written so that NaN counts as the worst deviation.
        const double relative = scale > 0.0                  ? std::fabs(deviation) / scale
                                : std::fabs(deviation) > 0.0 ? HUGE_VAL
                                                             : 0.0;
        if (!(relative <= result.worst)) {
            result.worst = std::isnan(relative) ? HUGE_VAL : relative;
            result.atNode = atNode;
            result.position = position;
            result.what = what;
        }
    }

    void MeasureRods()
    {
        const int count = structure.rods.count;
        rods.resize(count);
        for (int r = 0; r < count; ++r) {
            const Rod &rod = structure.rods[r];
            const Node &b = structure.nodes[rod.begin.node];
            const Node &e = structure.nodes[rod.end.node];
            RodGeometry &g = rods[r];
            g.length = std::hypot(e.x - b.x, e.y - b.y);
            g.c = (e.x - b.x) / g.length;
            g.s = (e.y - b.y) / g.length;
            g.rigidBegin = rod.begin.joint == JointType::Fixed;
            g.rigidEnd = rod.end.joint == JointType::Fixed;
            g.link = !g.rigidBegin && !g.rigidEnd && (b.isFree == 0 || e.isFree == 0);
        }
    }

    // Normal and tangential load per unit length of a rod that carries one.
    void Load(int r, double &qn, double &qt) const
    {
        const Rod &rod = structure.rods[r];
        const RodGeometry &g = rods[r];
        qn = g.link ? 0.0 : rod.load.y * g.c - rod.load.x * g.s;
        qt = g.link ? 0.0 : rod.load.x * g.c + rod.load.y * g.s;
    }

    void MeasureScales()
    {
        double longest = 0.0;
        for (int r = 0; r < structure.rods.count; ++r) {
            const Rod &rod = structure.rods[r];
            double qn, qt;
            Load(r, qn, qt);
            // Links have a length of their own, whatever the units.
            if (!rods[r].link)
                longest = std::fmax(longest, rods[r].length);
            moment = std::fmax(moment, std::fmax(std::fabs(rod.resultM.x), std::fabs(rod.resultM.y)));
            force = std::fmax(force, std::fmax(std::fabs(rod.resultQ.x), std::fabs(rod.resultQ.y)));
            force = std::fmax(force, std::fmax(std::fabs(rod.resultN.x), std::fabs(rod.resultN.y)));
            force = std::fmax(force, std::hypot(qn, qt) * rods[r].length);
        }
        for (const Node &node : structure.nodes) {
            force = std::fmax(force, std::hypot(node.force.x, node.force.y));
            force = std::fmax(force, std::hypot(node.reaction.x, node.reaction.y));
            moment = std::fmax(moment, std::fmax(std::fabs(node.moment), std::fabs(node.reaction.z)));
            translation =
                std::fmax(translation, std::hypot(node.resultDisplacement.x, node.resultDisplacement.y));
            rotation = std::fmax(rotation, std::fabs(node.resultDisplacement.z));
        }
        if (longest > 0.0) {
            moment = std::fmax(moment, force * longest);
            force = std::fmax(force, moment / longest);
            // A frame that carries its loads by axial forces alone does not
            // turn: its rotations are round-off against those that the
            // moments would cause in its stiffest rod.
            double stiffest = 0.0;
            for (int r = 0; r < structure.rods.count; ++r) {
                if (!rods[r].link) // a link's EI is its own, whatever the units
                    stiffest = std::fmax(stiffest, std::fabs(structure.rods[r].EI));
            }
            if (stiffest > 0.0)
                rotation = std::fmax(rotation, moment * longest / stiffest);
            rotation = std::fmax(rotation, translation / longest);
            translation = std::fmax(translation, rotation * longest);
        }
        // The rotations of the rod ends that the moments ask for.
        for (int r = 0; r < structure.rods.count; ++r) {
            double begin, end;
            if (FlexibleRotations(r, begin, end))
                rotation = std::fmax(rotation, std::fmax(std::fabs(begin), std::fabs(end)));
        }
    }

    // The end rotations relative to the chord that the end moments, the
    // load and the temperature gradient give a beam (clockwise, like the
    // node rotations); false for a link.
    bool FlexibleRotations(int r, double &begin, double &end) const
    {
        const Rod &rod = structure.rods[r];
        const RodGeometry &g = rods[r];
        if (g.link)
            return false;
        double qn, qt;
        Load(r, qn, qt);
        const double fixedEnd = qn * g.length * g.length / 12.0;
        const double difference = rod.temperature.x - rod.temperature.y;
        const double gradient = difference != 0.0 ? difference * rod.alpha * rod.EI / rod.height : 0.0;
        const double mb = rod.resultM.x - fixedEnd - gradient;
        const double me = rod.resultM.y + fixedEnd + gradient;
        const double f = g.length / (6.0 * rod.EI);
        begin = f * (2.0 * mb - me);
        end = f * (2.0 * me - mb);
        return true;
    }

    void CheckNodes()
    {
        const int count = structure.nodes.count;
        std::vector<double> fx(count), fy(count), m(count);
        for (int k = 0; k < count; ++k) {
            const Node &node = structure.nodes[k];
            fx[k] = node.force.x + node.reaction.x;
            fy[k] = node.force.y + node.reaction.y;
            m[k] = node.reaction.z - node.moment;
        }
        for (int r = 0; r < structure.rods.count; ++r) {
            const Rod &rod = structure.rods[r];
            const RodGeometry &g = rods[r];
            // The rod pulls its begin node by N t - Q n and its end node by
            // -N t + Q n; its end moments act on the nodes too.
            const int b = rod.begin.node, e = rod.end.node;
            fx[b] += rod.resultN.x * g.c + rod.resultQ.x * g.s;
            fy[b] += rod.resultN.x * g.s - rod.resultQ.x * g.c;
            fx[e] += -rod.resultN.y * g.c - rod.resultQ.y * g.s;
            fy[e] += -rod.resultN.y * g.s + rod.resultQ.y * g.c;
            m[b] += rod.resultM.x;
            m[e] += rod.resultM.y;
        }
        for (int k = 0; k < count; ++k) {
            Note(std::hypot(fx[k], fy[k]), force, true, k, "force equilibrium");
            Note(m[k], moment, true, k, "moment equilibrium");
        }
    }

    void CheckRods()
    {
        for (int r = 0; r < structure.rods.count; ++r) {
            const Rod &rod = structure.rods[r];
            const RodGeometry &g = rods[r];
            const Node &b = structure.nodes[rod.begin.node];
            const Node &e = structure.nodes[rod.end.node];
            double qn, qt;
            Load(r, qn, qt);
            Note(rod.resultQ.y - rod.resultQ.x - qn * g.length, force, false, r, "shear equilibrium");
            Note(rod.resultN.x - rod.resultN.y - qt * g.length, force, false, r, "axial equilibrium");
            Note(rod.resultM.x + rod.resultM.y + 0.5 * (rod.resultQ.x + rod.resultQ.y) * g.length, moment,
                 false, r, "moment equilibrium");

            const double dx = e.resultDisplacement.x - b.resultDisplacement.x;
            const double dy = e.resultDisplacement.y - b.resultDisplacement.y;
            double lengthening = 0.0;
            if (!g.link) {
                lengthening = 0.5 * (rod.temperature.x + rod.temperature.y) * rod.alpha * g.length;
                if (options.axialCompliance)
                    lengthening += 0.5 * (rod.resultN.x + rod.resultN.y) * g.length / rod.EF;
            }
            Note(dx * g.c + dy * g.s - lengthening, translation, false, r, "change of length");

            double begin = 0.0, end = 0.0;
            if (!FlexibleRotations(r, begin, end))
                continue;
            const double chord = (-dx * g.s + dy * g.c) / g.length;
            if (g.rigidBegin)
                Note(b.resultDisplacement.z + chord - begin, rotation, false, r, "rotation at the begin");
            else
                Note(rod.resultM.x, moment, false, r, "moment at a hinge");
            if (g.rigidEnd)
                Note(e.resultDisplacement.z + chord - end, rotation, false, r, "rotation at the end");
            else
                Note(rod.resultM.y, moment, false, r, "moment at a hinge");
        }
    }

    const StructureModel &structure;
    ResultsCheckOptions options;
    std::vector<RodGeometry> rods;
    double force = 0.0, moment = 0.0, translation = 0.0, rotation = 0.0;
    ResultsCheck result;
};

} // namespace

ResultsCheck CheckResults(const StructureModel &structure, const ResultsCheckOptions &options)
{
    return Checker(structure, options).Run();
}

bool VerifyResults(const StructureModel &structure, const ResultsCheckOptions &options)
{
    const ResultsCheck check = CheckResults(structure, options);
    bool atNode = check.atNode;
    int position = check.position;
    if (position >= 0 && !atNode && structure.rods[position].serviceKind != ServiceNone) {
        position = structure.rods[position].begin.node;
        atNode = true;
    }
    if (position >= 0 && atNode && structure.nodes[position].serviceKind != ServiceNone) {
        for (const Rod &rod : structure.rods) {
            if (rod.end.node == position && rod.serviceKind != ServiceNone)
                position = rod.begin.node;
        }
    }
    // Positions in debug mode, where they are shown instead of numbers.
    const bool debug = Settings::current().debugMode;
    const int label = position < 0 ? 0
                      : debug      ? position
                      : atNode     ? structure.nodes[position].number
                                   : structure.rods[position].number;
    LogPrintf(
        "CHECKING RESULTS\n\nLargest deviation from equilibrium and compatibility: %.3g (%s, %s %d)\n\n",
        check.worst, check.what, atNode ? "node" : "rod", label);
    if (check.passed)
        return true;
    // The place put into the message's "В %s": "узле 3" or "стержне 5".
    const std::string place =
        TranslatedText("Calculation", atNode ? QT_TRANSLATE_NOOP("Calculation", "узле %d")
                                             : QT_TRANSLATE_NOOP("Calculation", "стержне %d"));
    char where[64];
    std::snprintf(where, sizeof where, place.c_str(), label);
    ReportMessage(resultsCheckMessage, where);
    return false;
}
