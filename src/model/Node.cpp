#include "model/Node.h"

#include "model/CLocale.h"
#include "model/TextFormat.h"

#include <cmath>
#include <cstdio>

Node::Node(int number) : number(number) {}

void Node::write(std::string &text) const
{
    text = FormatText("Node0 %d %10.10g %10.10g %d %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g\n", number,
                      StorableValue(x), StorableValue(y), isFree, StorableValue(force.x),
                      StorableValue(force.y), StorableValue(moment), StorableValue(displacement.x),
                      StorableValue(displacement.y), StorableValue(displacement.z));
}

bool Node::read(const char *text)
{
    *this = Node(0);
    if (text == nullptr)
        return false;

    int recordDigit = 0;
    double fx = 0.0, fy = 0.0, m = 0.0, dx = 0.0, dy = 0.0, da = 0.0;
    int converted;
    {
        CLocaleScope cLocale;
        converted = std::sscanf(text, "%d %d %lg %lg %d %lg %lg %lg %lg %lg %lg\n", &recordDigit, &number, &x,
                                &y, &isFree, &fx, &fy, &m, &dx, &dy, &da);
    }
    if (converted < 11)
        return false;
    // scanf accepts "nan" and "inf"; such a value would poison every drawing
    // and calculation, so the line counts as unreadable.
    for (double value : {x, y, fx, fy, m, dx, dy, da}) {
        if (!std::isfinite(value))
            return false;
    }
    force = Pair(fx, fy);
    moment = m;
    displacement = Triple(dx, dy, da);
    return true;
}

void Node::describe(std::string &text) const
{
    text = FormatText("X=%.3f Y=%.3f", x, y);
    if (force.x != 0.0)
        AppendText(text, " Fx=%.3f", force.x);
    if (force.y != 0.0)
        AppendText(text, " Fy=%.3f", force.y);
    if (moment != 0.0)
        AppendText(text, " M=%.3f", moment);
    if (displacement.x != 0.0)
        AppendText(text, " Dx=%.3f", displacement.x);
    if (displacement.y != 0.0)
        AppendText(text, " Dy=%.3f", displacement.y);
    if (displacement.z != 0.0)
        AppendText(text, " Da=%.3f", displacement.z);
}
