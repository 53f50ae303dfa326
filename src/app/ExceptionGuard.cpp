#include "app/ExceptionGuard.h"

#include "model/MathException.h"
#include "numeric/CalcLog.h"

#include <new>

bool RunGuarded(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const MathException &exception) {
        // English internal text without a tab: shown with the reason
        // "Internal error!".
        ReportError("%s", exception.message());
    } catch (const std::bad_alloc &) {
        ReportError("Недостаточно памяти!\tЗакройте другие программы и повторите действие.");
    }
    return false;
}
