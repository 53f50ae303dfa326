#include "ModelTestSupport.h"
#include "model/Node.h"
#include "model/Rod.h"

#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace {

// The text a file line hands to read: everything after the keyword.
std::string AfterKeyword(const std::string &line, const char *keyword)
{
    EXPECT_EQ(line.rfind(keyword, 0), 0u) << line;
    return line.substr(std::char_traits<char>::length(keyword));
}

} // namespace

TEST(Node, DefaultsAndPredicates)
{
    Node node(7);
    EXPECT_EQ(node.number, 7);
    EXPECT_EQ(node.isFree, 1);
    EXPECT_FALSE(node.isSupport());
    EXPECT_FALSE(node.hasForce());
    EXPECT_FALSE(node.hasMoment());
    EXPECT_FALSE(node.hasDisplacement());
    EXPECT_FALSE(node.isSelected());
    EXPECT_EQ(node.serviceKind, ServiceNone);

    node.force = Pair(0.0, -0.001);
    EXPECT_TRUE(node.hasForce());
    node.moment = 1e-300;
    EXPECT_TRUE(node.hasMoment());
    node.displacement = Triple(0.0, 0.0, -2.0);
    EXPECT_TRUE(node.hasDisplacement());
    node.isFree = 0;
    EXPECT_TRUE(node.isSupport());
    node.select();
    EXPECT_TRUE(node.isSelected());
    node.deselect();
    EXPECT_FALSE(node.isSelected());

    node.x = 2.5;
    node.y = -1.0;
    EXPECT_EQ(node.coordinates(), Pair(2.5, -1.0));
}

TEST(Rod, DefaultsAndPredicates)
{
    Rod rod(3, 1, 4);
    EXPECT_EQ(rod.number, 3);
    EXPECT_EQ(rod.begin, RodEnd(1, JointType::None, 0.0));
    EXPECT_EQ(rod.end, RodEnd(4, JointType::None, 0.0));
    EXPECT_EQ(rod.EI, 1.0);
    EXPECT_EQ(rod.EF, 1.0);
    EXPECT_EQ(rod.height, 1.0);
    EXPECT_EQ(rod.alpha, 1.0);
    EXPECT_EQ(rod.nu, 0.5);
    EXPECT_EQ(rod.mu, 1.0);
    EXPECT_FALSE(rod.hasLoad());
    EXPECT_FALSE(rod.hasTemperature());
    rod.load = Pair(-1e-9, 0.0);
    EXPECT_TRUE(rod.hasLoad());
    rod.temperature = Pair(0.0, 5.0);
    EXPECT_TRUE(rod.hasTemperature());

    EXPECT_EQ(Pair(3.0, 4.0).length(), 5.0);
    EXPECT_EQ(Pair().length(), 0.0);
}

TEST(Node, WriteAndReadBackEveryStoredField)
{
    Node node(12);
    node.x = -3.141592653589793;
    node.y = 1.0e12;
    node.isFree = 0;
    node.force = Pair(1.5e-7, -250000.125);
    node.moment = 12345.678901234;
    node.displacement = Triple(0.001, -0.25, 30.0);
    node.select();
    node.resultDisplacement = Triple(1, 2, 3);
    node.serviceKind = ServiceHinge;

    std::string line;
    node.write(line);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.back(), '\n');
    EXPECT_NE(line[line.size() - 2], ' ');

    Node back(99);
    back.select();
    ASSERT_TRUE(back.read(AfterKeyword(line, "Node").c_str())) << line;
    EXPECT_EQ(back.number, 12);
    EXPECT_EQ(back.isFree, 0);
    const double expected[] = {node.x,
                               node.y,
                               node.force.x,
                               node.force.y,
                               node.moment,
                               node.displacement.x,
                               node.displacement.y,
                               node.displacement.z};
    const double actual[] = {back.x,
                             back.y,
                             back.force.x,
                             back.force.y,
                             back.moment,
                             back.displacement.x,
                             back.displacement.y,
                             back.displacement.z};
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(SameToDigits(expected[i], actual[i]))
            << "field " << i << ": " << expected[i] << " vs " << actual[i];
    // Reading starts from a fresh node: marks, results and service kind are not in the line.
    EXPECT_FALSE(back.isSelected());
    EXPECT_EQ(back.resultDisplacement, Triple());
    EXPECT_EQ(back.serviceKind, ServiceNone);
}

TEST(Node, ReadAcceptsOrRefusesLines)
{
    struct Case {
        const char *text;
        bool accepted;
    };
    const Case cases[] = {
        {"0 1 0 0 1 0 0 0 0 0 0", true},
        {"7 1 0 0 1 0 0 0 0 0 0", true},          // the record digit is ignored
        {"0 1 0 0 1 0 0 0 0 0 0 trailing", true}, // text after the 11th value
        {"0 1 0 0 1 0 0 0 0 0 0\r", true},
        {"0 1 0 0 1 0 0 0 0 0", false}, // 10 values
        {"0 1 0", false},
        {"s 1 0 0 1 0 0 0 0 0 0", false}, // "Nodes ..."
        {"", false},
        {"0 1 nan 0 1 0 0 0 0 0 0", false},
        {"0 1 0 0 1 inf 0 0 0 0 0", false},
        {"0 1 0 0 1 0 0 0 0 0 -INFINITY", false},
        {"0 1 0 0 1 0 0 1e999 0 0 0", false}, // overflows to infinity
    };
    for (const Case &c : cases) {
        Node node(5);
        EXPECT_EQ(node.read(c.text), c.accepted) << '"' << c.text << '"';
    }
    Node node(5);
    EXPECT_FALSE(node.read(nullptr));
}

TEST(Rod, WriteAndReadBackEveryStoredField)
{
    Rod rod(4, 2, 9);
    rod.begin = RodEnd(2, JointType::MovingHinge, 30.0);
    rod.end = RodEnd(9, JointType::Hinge, -135.5);
    rod.load = Pair(-2.5, 1.0e-5);
    rod.temperature = Pair(-20.0, 35.25);
    rod.EI = 2.1e11 * 3.3e-5;
    rod.EF = 123456789.0;
    rod.height = 0.3;
    rod.alpha = 1.2e-5;
    rod.mu = 2.5;
    rod.nu = 0.3;
    rod.resultM = Pair(5, 6);
    rod.serviceKind = ServiceMovingJoint;

    std::string line;
    rod.write(line);
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line.substr(line.size() - 2), " \n");

    Rod back(0, 0, 0);
    ASSERT_TRUE(back.read(AfterKeyword(line, "Rod").c_str())) << line;
    EXPECT_EQ(back.number, 4);
    EXPECT_EQ(back.begin.node, 2);
    EXPECT_EQ(back.end.node, 9);
    EXPECT_EQ(back.begin.joint, JointType::MovingHinge);
    EXPECT_EQ(back.end.joint, JointType::Hinge);
    const double expected[] = {rod.begin.angle,   rod.end.angle,     rod.load.x, rod.load.y,
                               rod.temperature.x, rod.temperature.y, rod.EI,     rod.EF,
                               rod.height,        rod.alpha,         rod.mu,     rod.nu};
    const double actual[] = {back.begin.angle,   back.end.angle,     back.load.x, back.load.y,
                             back.temperature.x, back.temperature.y, back.EI,     back.EF,
                             back.height,        back.alpha,         back.mu,     back.nu};
    for (int i = 0; i < 12; ++i)
        EXPECT_TRUE(SameToDigits(expected[i], actual[i]))
            << "field " << i << ": " << expected[i] << " vs " << actual[i];
    EXPECT_EQ(back.resultM, Pair());
    EXPECT_EQ(back.serviceKind, ServiceNone);
}

TEST(Rod, ReadRepairsNonPositiveMaterialValues)
{
    // Fields after the angles: qx qy Tleft Tright EI EF height alpha mu nu.
    struct Case {
        const char *materials;
        double EI, EF, height, alpha, mu, nu;
    };
    const Case cases[] = {
        {"0 -5 2 3 4 0.1", 1.0, 1.0, 2, 3, 4, 0.1},
        {"-1e-300 0 -7 0 -2 -1", 1.0, 1.0, 1.0, 1.0, 1.0, 0.5},
        {"5 5 5 -5 -3 0", 5, 5, 5, 1.0, 1.0, 0.5},
        {"8 9 0.25 1e-5 3 0.2", 8, 9, 0.25, 1e-5, 3, 0.2},
    };
    for (const Case &c : cases) {
        std::string text = std::string("0 1 0 1 2 2 0 0 0 0 0 0 ") + c.materials;
        Rod rod(0, 0, 0);
        ASSERT_TRUE(rod.read(text.c_str())) << text;
        EXPECT_EQ(rod.EI, c.EI) << text;
        EXPECT_EQ(rod.EF, c.EF) << text;
        EXPECT_EQ(rod.height, c.height) << text;
        EXPECT_EQ(rod.alpha, c.alpha) << text;
        EXPECT_EQ(rod.mu, c.mu) << text;
        EXPECT_EQ(rod.nu, c.nu) << text;
    }
}

TEST(Rod, ReadAcceptsOrRefusesLines)
{
    struct Case {
        const char *text;
        bool accepted;
    };
    const Case cases[] = {
        {"0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5 ", true},
        {"0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5 and more", true},
        {"0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1", false}, // 17 values
        {"0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 nan", false},
        {"0 1 0 1 2 2 inf 0 0 0 0 0 1 1 1 1 1 0.5", false},
        {"0 1 0 1 2 2 0 0 0 -nan 0 0 1 1 1 1 1 0.5", false},
        {"0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1e400 0.5", false},
        {"s 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5", false},
    };
    for (const Case &c : cases) {
        Rod rod(0, 0, 0);
        EXPECT_EQ(rod.read(c.text), c.accepted) << '"' << c.text << '"';
    }
}

TEST(Node, DescribeShowsCoordinatesAndNonZeroLoads)
{
    struct Case {
        Pair force;
        double moment;
        Triple displacement;
        const char *expected;
    };
    const Case cases[] = {
        {Pair(), 0.0, Triple(), "X=1.500 Y=-2.000"},
        {Pair(10, 0), 0.0, Triple(), "X=1.500 Y=-2.000 Fx=10.000"},
        {Pair(0, -3.25), 4.0, Triple(), "X=1.500 Y=-2.000 Fy=-3.250 M=4.000"},
        {Pair(1, 2), 3.0, Triple(0.001, 0, 45),
         "X=1.500 Y=-2.000 Fx=1.000 Fy=2.000 M=3.000 Dx=0.001 Da=45.000"},
        {Pair(), 0.0, Triple(0, 0.5, 0), "X=1.500 Y=-2.000 Dy=0.500"},
    };
    for (const Case &c : cases) {
        Node node(1);
        node.x = 1.5;
        node.y = -2.0;
        node.force = c.force;
        node.moment = c.moment;
        node.displacement = c.displacement;
        std::string text = "stale";
        node.describe(text);
        EXPECT_EQ(text, c.expected);
    }
    Node origin(1);
    std::string text;
    origin.describe(text);
    EXPECT_EQ(text, "X=0.000 Y=0.000");
}

TEST(Rod, DescribeShowsRigidityAndNonZeroLoads)
{
    struct Case {
        Pair load;
        Pair temperature;
        const char *expected;
    };
    const Case cases[] = {
        {Pair(), Pair(), "EI=2.000"},
        {Pair(0, -2.5), Pair(), "EI=2.000 Qy=-2.500"},
        {Pair(1, 2), Pair(), "EI=2.000 Qx=1.000 Qy=2.000"},
        {Pair(), Pair(0, 5), "EI=2.000 Alpha=0.500 Height=0.300 Tright=5.000"},
        {Pair(3, 0), Pair(-10, 20), "EI=2.000 Qx=3.000 Alpha=0.500 Height=0.300 Tleft=-10.000 Tright=20.000"},
    };
    for (const Case &c : cases) {
        Rod rod(1, 0, 1);
        rod.EI = 2.0;
        rod.alpha = 0.5;
        rod.height = 0.3;
        rod.load = c.load;
        rod.temperature = c.temperature;
        std::string text = "stale";
        rod.describe(text);
        EXPECT_EQ(text, c.expected);
    }
    // A huge value is described in full, not cut.
    Rod huge(1, 0, 1);
    huge.EI = 1e300;
    std::string text;
    huge.describe(text);
    EXPECT_EQ(text.size(), std::string("EI=").size() + 301 + 4);
}
