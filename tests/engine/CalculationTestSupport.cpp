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
    for (int step = 1; step <= lastStep; ++step) {
        bool done = false;
        switch (step) {
        case 1:
            done = calculation.InitializeArrays();
            break;
        case 2:
            done = calculation.SolveMainEquation();
            break;
        case 3:
            done = calculation.SolveSingleStates();
            break;
        case 4:
            done = calculation.SolveStatic();
            break;
        case 5:
            done = calculation.SolveKinematic();
            break;
        case 6:
            done = calculation.SolveTemperature();
            break;
        default:
            return true;
        }
        if (!done)
            return false;
    }
    return true;
}

} // namespace calctest
