#include "engine/Calculation.h"

#include "engine/ResultsCheck.h"
#include "model/MathException.h"
#include "numeric/CalcLog.h"
#include "numeric/Messages.h"

#include <cstdio>
#include <ctime>
#include <new>
#include <vector>

namespace {

constexpr int mathErrorMessage = 50215;

// The result fields of every node and rod, to be put back when the results
// fail their check.
struct ResultFields {
    explicit ResultFields(const StructureModel &structure)
    {
        for (const Rod &rod : structure.rods)
            rods.push_back({rod.resultM, rod.resultQ, rod.resultN});
        for (const Node &node : structure.nodes)
            nodes.push_back({node.resultDisplacement, node.reaction});
    }
    void Restore(StructureModel &structure) const
    {
        for (int r = 0; r < structure.rods.count; ++r) {
            structure.rods[r].resultM = rods[r].M;
            structure.rods[r].resultQ = rods[r].Q;
            structure.rods[r].resultN = rods[r].N;
        }
        for (int k = 0; k < structure.nodes.count; ++k) {
            structure.nodes[k].resultDisplacement = nodes[k].displacement;
            structure.nodes[k].reaction = nodes[k].reaction;
        }
    }
    struct RodFields {
        Pair M, Q, N;
    };
    struct NodeFields {
        Triple displacement, reaction;
    };
    std::vector<RodFields> rods;
    std::vector<NodeFields> nodes;
};

// The processor clock in whole milliseconds.
long clockMilliseconds()
{
    return static_cast<long>(std::clock() / (CLOCKS_PER_SEC / 1000));
}

} // namespace

Calculation::Calculation(StructureModel &structure) : structure(structure) {}

void Calculation::ReportMathException(const char *what, const char *step)
{
    char text[1024];
    // "... в функции <step>:\n<what> ..."
    std::snprintf(text, sizeof text, LoadString(mathErrorMessage), step, what);
    ReportError("%s", text);
}

bool Calculation::RunCalculation()
{
    const char *step = "RunCalculation";
    try {
        DeleteLogFile();

        const long t0 = clockMilliseconds();
        step = "InitializeArrays";
        if (!InitializeArrays())
            return false;
        step = "CheckNodeMoments";
        if (!CheckNodeMoments())
            return false;
        const long t1 = clockMilliseconds();
        step = "SolveMainEquation";
        if (!SolveMainEquation())
            return false;
        const long t2 = clockMilliseconds();
        step = "SolveSingleStates";
        if (!SolveSingleStates())
            return false;
        const long t3 = clockMilliseconds();
        step = "SolveStatic";
        if (!SolveStatic())
            return false;
        const long t4 = clockMilliseconds();
        step = "SolveKinematic";
        if (!SolveKinematic())
            return false;
        const long t5 = clockMilliseconds();
        step = "SolveTemperature";
        if (!SolveTemperature())
            return false;
        const long t6 = clockMilliseconds();
        const long t7 = clockMilliseconds();
        totalTime = (t7 - t0) * 0.001;

        // Nothing reaches the structure unless every result is usable.
        step = "TransferRodResults";
        CheckResultsFinite();
        const ResultFields previous(structure);
        TransferRodResults();
        step = "TransferNodeDisplacements";
        TransferNodeDisplacements();
        step = "ComputeReactions";
        ComputeReactions();
        step = "VerifyResults";
        if (!VerifyResults(structure)) {
            previous.Restore(structure);
            return false;
        }

        LogPrintf("=======================\nCALCULATION TIME\n=======================\n\n"
                  "Initialization: %.5g\nSolving main equation: %.5g\nSingle states: %.5g\nStatic: %.5g\n"
                  "Kinematic: %.5g\nTemperature: %.5g\n\nStatic with compliance: %.5g\n\nTotal:  %.5g\n",
                  (t1 - t0) * 0.001, (t2 - t1) * 0.001, (t3 - t2) * 0.001, (t4 - t3) * 0.001,
                  (t5 - t4) * 0.001, (t6 - t5) * 0.001, (t7 - t6) * 0.001, totalTime);
        return true;
    } catch (const MathException &exception) {
        ReportMathException(exception.message(), step);
    } catch (const std::bad_alloc &) {
        ReportMathException("Memory allocation error", step);
    }
    return false;
}
