#include "model/Rod.h"

#include "model/CLocale.h"
#include "model/TextFormat.h"

#include <cmath>
#include <cstdio>

Rod::Rod(int number, int beginNode, int endNode)
    : number(number), begin(beginNode, JointType::None, 0.0), end(endNode, JointType::None, 0.0)
{
}

void Rod::write(std::string &text) const
{
    // mu precedes nu in the line; the line ends with a blank before the line feed.
    text = FormatText(
        "Rod0 %d %d %d %d %d %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g %10.10g "
        "%10.10g %10.10g %10.10g \n",
        number, begin.node, end.node, static_cast<int>(begin.joint), static_cast<int>(end.joint),
        StorableValue(begin.angle), StorableValue(end.angle), StorableValue(load.x), StorableValue(load.y),
        StorableValue(temperature.x), StorableValue(temperature.y), StorableValue(EI), StorableValue(EF),
        StorableValue(height), StorableValue(alpha), StorableValue(mu), StorableValue(nu));
}

bool Rod::read(const char *text)
{
    if (text == nullptr)
        return false;

    // Values missing from the line keep what the rod held before.
    int recordDigit = 0;
    int beginNode = begin.node, endNode = end.node;
    int beginJoint = static_cast<int>(begin.joint), endJoint = static_cast<int>(end.joint);
    double beginAngle = begin.angle, endAngle = end.angle;
    double qx = load.x, qy = load.y, left = temperature.x, right = temperature.y;
    int converted;
    {
        CLocaleScope cLocale;
        converted =
            std::sscanf(text, "%d %d %d %d %d %d %lg %lg %lg %lg %lg %lg %lg %lg %lg %lg %lg %lg \n",
                        &recordDigit, &number, &beginNode, &endNode, &beginJoint, &endJoint, &beginAngle,
                        &endAngle, &qx, &qy, &left, &right, &EI, &EF, &height, &alpha, &mu, &nu);
    }
    if (converted < 18)
        return false;
    // scanf accepts "nan" and "inf"; such a value would poison every drawing
    // and calculation, so the line counts as unreadable.
    for (double value : {beginAngle, endAngle, qx, qy, left, right, EI, EF, height, alpha, mu, nu}) {
        if (!std::isfinite(value))
            return false;
    }

    // Joint values and node positions are checked by the file reader once
    // the whole node list is known.
    begin = RodEnd(beginNode, static_cast<JointType>(beginJoint), beginAngle);
    end = RodEnd(endNode, static_cast<JointType>(endJoint), endAngle);
    load = Pair(qx, qy);
    temperature = Pair(left, right);

    if (alpha <= 0.0)
        alpha = 1.0;
    if (EI <= 0.0)
        EI = 1.0;
    if (EF <= 0.0)
        EF = 1.0;
    if (height <= 0.0)
        height = 1.0;
    if (mu <= 0.0)
        mu = 1.0;
    if (nu <= 0.0)
        nu = 0.5;
    return true;
}

void Rod::describe(std::string &text) const
{
    text = FormatText("EI=%.3f", EI);
    if (load.x != 0.0)
        AppendText(text, " Qx=%.3f", load.x);
    if (load.y != 0.0)
        AppendText(text, " Qy=%.3f", load.y);
    if (hasTemperature()) {
        AppendText(text, " Alpha=%.3f Height=%.3f", alpha, height);
        if (temperature.x != 0.0)
            AppendText(text, " Tleft=%.3f", temperature.x);
        if (temperature.y != 0.0)
            AppendText(text, " Tright=%.3f", temperature.y);
    }
}
