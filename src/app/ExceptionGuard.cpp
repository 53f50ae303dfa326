#include "app/ExceptionGuard.h"

#include "model/MathException.h"
#include "numeric/CalcLog.h"

#include <QCoreApplication>
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
        ReportError("%s", qUtf8Printable(QCoreApplication::translate(
                              "ExceptionGuard",
                              "Недостаточно памяти!\tЗакройте другие программы и повторите действие.")));
    }
    return false;
}
