#include "CalculationTestSupport.h"

#include "numeric/Messages.h"

namespace calctest {

std::string Headline(int id)
{
    std::string text = LoadString(id);
    return text.substr(0, text.find('\t'));
}

bool RunSteps(Calculation &calculation, int lastStep)
{
    bool (Calculation::*steps[])() = {&Calculation::InitializeArrays,  &Calculation::SolveMainEquation,
                                      &Calculation::SolveSingleStates, &Calculation::SolveStatic,
                                      &Calculation::SolveKinematic,    &Calculation::SolveTemperature};
    for (int step = 0; step < lastStep && step < 6; ++step) {
        if (!(calculation.*steps[step])())
            return false;
    }
    return true;
}

} // namespace calctest
