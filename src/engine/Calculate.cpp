#include "engine/Calculate.h"

#include "engine/Calculation.h"
#include "engine/InputCheck.h"
#include "engine/Preparation.h"
#include "engine/ResultNoise.h"
#include "engine/RigidMethodLimits.h"
#include "engine/StiffnessCalculation.h"
#include "model/MathException.h"
#include "model/Settings.h"

#include <memory>
#include <new>

namespace {

// The preparation and restoration steps work on the lists, whose subscript
// checks raise MathException; they are reported like a failure inside the
// calculation instead of escaping to the caller.
template <typename Step> bool guarded(const char *name, Step step)
{
    try {
        return step();
    } catch (const MathException &exception) {
        Calculation::ReportMathException(exception.message(), name);
    } catch (const std::bad_alloc &) {
        Calculation::ReportMathException("Memory allocation error", name);
    }
    return false;
}

} // namespace

bool Calculate(StructureModel &structure, double &time)
{
    // Values the arithmetic of the method cannot carry are refused before
    // anything is changed, with the element and the field named.
    if (!CheckInputMagnitudes(structure))
        return false;

    // The replacements and the reordering always succeed on a structure that
    // can be checked; their results are not tested.
    bool prepared = guarded("ReplaceSupportHinges",
                            [&] {
                                ReplaceSupportHinges(structure);
                                return true;
                            }) &&
                    guarded("ReplaceMovingJoints",
                            [&] {
                                ReplaceMovingJoints(structure);
                                return true;
                            }) &&
                    guarded("ReorderForCalculation", [&] {
                        ReorderForCalculation(structure);
                        return true;
                    });

    bool result = false;
    if (prepared && guarded("CheckStructure", [&] { return CheckStructure(structure); })) {
        // The calculation and every array it owns live only for this run;
        // RunCalculation reports its own failures.
        guarded("RunCalculation", [&] {
            if (Settings::current().axialCompliance != 0) {
                auto calculation = std::make_unique<StiffnessCalculation>(structure);
                result = calculation->Run();
                time = calculation->totalTime;
                return result;
            }
            if (!CheckRigidMethodMemory(structure))
                return false;
            auto calculation = std::make_unique<Calculation>(structure);
            result = calculation->RunCalculation();
            time = calculation->totalTime;
            return result;
        });
    }

    if (!Settings::current().debugMode) {
        guarded("RestoreHinges", [&] { return RestoreHinges(structure); });
        guarded("RestoreMovingJoints", [&] { return RestoreMovingJoints(structure); });
    }
    // Once, on the results the user sees (service results folded in).
    if (result)
        CleanResultNoise(structure);
    return result;
}
