#include "model/StructureFile.h"

#include "ModelTestSupport.h"

#include <gtest/gtest.h>
#include <string>

namespace {

const char *const Header = "# Ruvo for Windows 2.0\n"
                           "# Ruvo structure file, (c) Ostrand\n"
                           "\n"
                           "FileVersion = 3\n"
                           "\n";

const char *const ReadError = "Ошибка чтения данных!";
const char *const NodesReason = "Не могу загрузить узлы.";
const char *const RodsReason = "Не могу загрузить стержни.";

const char *const NodeLine =
    "Node0 1          0          0 0          0          0          0          0          0          0\n";

// The three-element structure of the format description: a support, a free
// node with a force, and a rod with fixed joints and a distributed load.
StructureModel ExampleStructure()
{
    StructureModel model;
    model.nodes.Add(MakeNode(1, 0.0, 0.0, false));
    Node loaded = MakeNode(2, 3.0, 4.5, true);
    loaded.force = Pair(10.0, 0.0);
    model.nodes.Add(loaded);
    Rod rod = MakeRod(1, 0, 1, JointType::Fixed);
    rod.load = Pair(0.0, -2.5);
    model.rods.Add(rod);
    return model;
}

struct ReadOutcome {
    StructureReadResult result;
    std::vector<ReportedMessage> messages;
};

ReadOutcome Read(StructureModel &model, const std::string &text)
{
    RecordingReporter reporter;
    ReadOutcome outcome;
    outcome.result = ReadStructure(model, text);
    ReportMessages(outcome.result.messages);
    outcome.messages = reporter.messages;
    return outcome;
}

std::vector<int> NodeNumbers(const StructureModel &model)
{
    std::vector<int> numbers;
    for (const Node &node : model.nodes)
        numbers.push_back(node.number);
    return numbers;
}

std::vector<int> RodNumbers(const StructureModel &model)
{
    std::vector<int> numbers;
    for (const Rod &rod : model.rods)
        numbers.push_back(rod.number);
    return numbers;
}

} // namespace

TEST(StructureFile, WritesTheExampleByteForByte)
{
    const std::string expected =
        std::string(Header) +
        "Node0 1          0          0 0          0          0          0          0          0          0\n"
        "Node0 2          3        4.5 1         10          0          0          0          0          0\n"
        "\n"
        "Rod0 1 0 1 2 2          0          0          0       -2.5          0          0          1         "
        " 1   "
        "       1          1          1        0.5 \n";
    EXPECT_EQ(WriteStructure(ExampleStructure()), expected);
}

TEST(StructureFile, WritesHeaderAndEmptyLinesForAnEmptyStructure)
{
    EXPECT_EQ(WriteStructure(StructureModel()), std::string(Header) + "\n");
}

TEST(StructureFile, WritesValuesAsHeldWithTenDigits)
{
    StructureModel model;
    Node node = MakeNode(-3, 1.0 / 3.0, 12345678901.0, true);
    node.isFree = 7;
    node.moment = 1e-5;
    model.nodes.Add(node);
    Rod rod = MakeRod(0, 5, 2, JointType::MovingFixed);
    rod.EI = -1.0;
    model.rods.Add(rod);
    const std::string text = WriteStructure(model);
    EXPECT_NE(text.find("Node0 -3 0.3333333333 1.23456789e+10 7          0          0      1e-05 "),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Rod0 0 5 2 4 4 "), std::string::npos) << text;
    EXPECT_NE(text.find("         -1          1 "), std::string::npos) << text;
}

TEST(StructureFile, RoundTripReproducesEveryStoredField)
{
    StructureModel model;
    for (int i = 0; i < 6; ++i) {
        Node node = MakeNode(i * 3 + 1, 0.1 * i - 7.0 / 3.0, 1e-3 * i * i, i % 2 == 0);
        node.force = Pair(i * 1.25e4, -i / 7.0);
        node.moment = i * 123.456789012;
        node.displacement = Triple(-1e-4 * i, 2e-3 / (i + 1), 0.5 * i);
        model.nodes.Add(node);
    }
    for (int i = 0; i < 5; ++i) {
        Rod rod = MakeRod(10 - i, i, i + 1, static_cast<JointType>(1 + i % 4));
        rod.end.joint = static_cast<JointType>(1 + (i + 2) % 4);
        rod.begin.angle = 15.0 * i;
        rod.end.angle = -2.0 / 3.0 * i;
        rod.load = Pair(-i * 0.7, 3.3e6 / (i + 1));
        rod.temperature = Pair(-25.0 + i, 40.0 / 3.0);
        rod.EI = 2.1e11 / (i + 3);
        rod.EF = 1e9 + i;
        rod.height = 0.1 * (i + 1);
        rod.alpha = 1.2e-5;
        rod.mu = 1.0 + i;
        rod.nu = 0.25 + 0.01 * i;
        model.rods.Add(rod);
    }

    StructureModel back;
    back.nodes.Add(Node(77)); // cleared by the reader
    ReadOutcome outcome = Read(back, WriteStructure(model));
    EXPECT_TRUE(outcome.result.ok);
    EXPECT_TRUE(outcome.messages.empty());
    ASSERT_EQ(back.nodes.count, model.nodes.count);
    ASSERT_EQ(back.rods.count, model.rods.count);
    EXPECT_STREQ(back.nodes.getName(), "NodeList");
    EXPECT_STREQ(back.rods.getName(), "RodList");
    for (int i = 0; i < model.nodes.count; ++i) {
        const Node &a = model.nodes[i];
        const Node &b = back.nodes[i];
        EXPECT_EQ(a.number, b.number);
        EXPECT_EQ(a.isFree, b.isFree);
        const double expected[] = {
            a.x, a.y, a.force.x, a.force.y, a.moment, a.displacement.x, a.displacement.y, a.displacement.z};
        const double actual[] = {
            b.x, b.y, b.force.x, b.force.y, b.moment, b.displacement.x, b.displacement.y, b.displacement.z};
        for (int k = 0; k < 8; ++k)
            EXPECT_TRUE(SameToDigits(expected[k], actual[k])) << "node " << i << " field " << k;
    }
    for (int i = 0; i < model.rods.count; ++i) {
        const Rod &a = model.rods[i];
        const Rod &b = back.rods[i];
        EXPECT_EQ(a.number, b.number);
        EXPECT_EQ(a.begin.node, b.begin.node);
        EXPECT_EQ(a.end.node, b.end.node);
        EXPECT_EQ(a.begin.joint, b.begin.joint);
        EXPECT_EQ(a.end.joint, b.end.joint);
        const double expected[] = {a.begin.angle,   a.end.angle,     a.load.x, a.load.y,
                                   a.temperature.x, a.temperature.y, a.EI,     a.EF,
                                   a.height,        a.alpha,         a.mu,     a.nu};
        const double actual[] = {b.begin.angle,   b.end.angle,     b.load.x, b.load.y,
                                 b.temperature.x, b.temperature.y, b.EI,     b.EF,
                                 b.height,        b.alpha,         b.mu,     b.nu};
        for (int k = 0; k < 12; ++k)
            EXPECT_TRUE(SameToDigits(expected[k], actual[k])) << "rod " << i << " field " << k;
    }
    // Written again, the structure gives the same bytes.
    EXPECT_EQ(WriteStructure(back), WriteStructure(model));
}

TEST(StructureFile, ReadsFilesWithoutElements)
{
    const char *const texts[] = {
        "",
        "# only a comment",
        "# Ruvo for Windows 2.0\n# maker\n\nFileVersion = 3\n\n\n",
        "FileVersion = 2\n",
        "   \n \t\n #Node0 not a comment, matches nothing\n",
        "Some free text\nnode0 1 0 0 1 0 0 0 0 0 0\n rod0 lower case\n",
    };
    for (const char *text : texts) {
        StructureModel model = ExampleStructure();
        ReadOutcome outcome = Read(model, text);
        EXPECT_TRUE(outcome.result.ok) << text;
        EXPECT_TRUE(outcome.messages.empty()) << text;
        EXPECT_EQ(model.elementCount(), 0) << text;
    }
}

TEST(StructureFile, ReadsTheSameWithAnyVersionLineAndLineEnd)
{
    const std::string body = "Node0 1 0 0 0 0 0 0 0 0 0\n"
                             "Node7 2 3 4.5 1 10 0 0 0 0 0\n"
                             "\n"
                             "Rod0 1 0 1 2 2 0 0 0 -2.5 0 0 1 1 1 1 1 0.5 \n";
    const std::string reference = WriteStructure(ExampleStructure());
    std::string crlf;
    for (char c : std::string(Header) + body) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    std::string noFinalLineFeed = body.substr(0, body.size() - 1);
    const std::string variants[] = {
        std::string(Header) + body, body, "FileVersion = 2\n" + body, crlf, noFinalLineFeed, reference,
    };
    for (const std::string &text : variants) {
        StructureModel model;
        ReadOutcome outcome = Read(model, text);
        EXPECT_TRUE(outcome.result.ok) << text;
        EXPECT_EQ(WriteStructure(model), reference) << text;
    }
}

TEST(StructureFile, RodLinesMayPrecedeTheirNodes)
{
    StructureModel model;
    ReadOutcome outcome = Read(model, "Rod0 1 0 1 2 2 0 0 0 -2.5 0 0 1 1 1 1 1 0.5\n"
                                      "Node0 1 0 0 0 0 0 0 0 0 0\n"
                                      "Node0 2 3 4.5 1 10 0 0 0 0 0\n");
    EXPECT_TRUE(outcome.result.ok);
    EXPECT_EQ(WriteStructure(model), WriteStructure(ExampleStructure()));
}

TEST(StructureFile, RenumbersOnlyListsWithNumbersBelowOne)
{
    struct Case {
        std::vector<int> nodeNumbers;
        std::vector<int> rodNumbers;
        std::vector<int> expectedNodes;
        std::vector<int> expectedRods;
    };
    const Case cases[] = {
        {{0, 0, 0}, {5, 5, 9}, {1, 2, 3}, {5, 5, 9}},
        {{4, 4, 2}, {0, 3, -1}, {4, 4, 2}, {1, 2, 3}},
        {{3, -2, 8}, {7, 1, 2}, {1, 2, 3}, {7, 1, 2}},
    };
    for (const Case &c : cases) {
        std::string text;
        for (int number : c.nodeNumbers)
            text += "Node0 " + std::to_string(number) + " " + std::to_string(number * 10 + 5) +
                    " 0 1 0 0 0 0 0 0\n";
        for (int number : c.rodNumbers)
            text += "Rod0 " + std::to_string(number) + " 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n";
        StructureModel model;
        ReadOutcome outcome = Read(model, text);
        EXPECT_TRUE(outcome.result.ok) << text;
        EXPECT_EQ(NodeNumbers(model), c.expectedNodes) << text;
        EXPECT_EQ(RodNumbers(model), c.expectedRods) << text;
    }
}

TEST(StructureFile, BadLineStopsTheReadingAndKeepsEarlierElements)
{
    struct Case {
        std::string text;
        int messageId;
        const char *reason;
        int lineNumber;
        int nodes;
        int rods;
    };
    const std::string rod = "Rod0 0 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n";
    const std::string node0 = "Node0 0 0 0 1 0 0 0 0 0 0\n";
    const std::string node1 = "Node0 0 1 0 1 0 0 0 0 0 0\n";
    const Case cases[] = {
        {node0 + node1 + "Node0 3 2.5\n" + node0, 50219, NodesReason, 3, 2, 0},
        {node0 + "Nodes of the frame\n" + node1, 50219, NodesReason, 2, 1, 0},
        {"# c\n" + node0 + node1 + rod + "Rod0 2 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1\n" + rod, 50221, RodsReason, 5,
         2, 1},
        {node0 + node1 + "Rods\n" + rod, 50221, RodsReason, 3, 2, 0},
        {node0 + "Node0 2 nan 0 1 0 0 0 0 0 0\n" + node1, 50219, NodesReason, 2, 1, 0},
        {node0 + node1 + "Rod0 2 0 1 2 2 0 0 0 inf 0 0 1 1 1 1 1 0.5\n", 50221, RodsReason, 3, 2, 0},
    };
    for (const Case &c : cases) {
        StructureModel model;
        ReadOutcome outcome = Read(model, c.text);
        EXPECT_FALSE(outcome.result.ok) << c.text;
        EXPECT_EQ(outcome.result.messageId, c.messageId) << c.text;
        EXPECT_EQ(outcome.result.lineNumber, c.lineNumber) << c.text;
        ASSERT_EQ(outcome.messages.size(), 1u) << c.text;
        EXPECT_EQ(outcome.messages[0].headline, ReadError);
        EXPECT_EQ(outcome.messages[0].reason, c.reason);
        EXPECT_EQ(model.nodes.count, c.nodes) << c.text;
        EXPECT_EQ(model.rods.count, c.rods) << c.text;
        // The numbering of a file that could not be read to its end is kept.
        for (const Node &node : model.nodes)
            EXPECT_EQ(node.number, 0);
    }
}

TEST(StructureFile, DropsRodsWithUnknownNodesOrJoints)
{
    const std::string nodes = "Node0 1 0 0 0 0 0 0 0 0 0\n"
                              "Node0 2 1 0 1 0 0 0 0 0 0\n"
                              "Node0 3 2 0 1 0 0 0 0 0 0\n";
    struct Case {
        std::string rodLine;
        bool kept;
    };
    const Case cases[] = {
        {"Rod0 0 0 2 1 4 0 0 0 0 0 0 1 1 1 1 1 0.5\n", true},
        {"Rod0 0 0 3 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n", false}, // one past the last node
        {"Rod0 0 -1 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n", false},
        {"Rod0 0 0 1 0 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n", false}, // joint None
        {"Rod0 0 0 1 2 5 0 0 0 0 0 0 1 1 1 1 1 0.5\n", false},
        {"Rod0 0 0 1 -3 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n", false},
    };
    for (const Case &c : cases) {
        // A good rod before and after the tested one; all numbered 0, so the
        // rods that stay are numbered anew without a gap.
        const std::string good = "Rod0 0 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n";
        const std::string text = nodes + good + c.rodLine + good + good;
        StructureModel model;
        ReadOutcome outcome = Read(model, text);
        EXPECT_EQ(model.nodes.count, 3) << c.rodLine;
        EXPECT_EQ(NodeNumbers(model), (std::vector<int>{1, 2, 3})) << c.rodLine;
        if (c.kept) {
            EXPECT_TRUE(outcome.result.ok) << c.rodLine;
            EXPECT_TRUE(outcome.messages.empty()) << c.rodLine;
            EXPECT_EQ(RodNumbers(model), (std::vector<int>{1, 2, 3, 4})) << c.rodLine;
        } else {
            EXPECT_FALSE(outcome.result.ok) << c.rodLine;
            EXPECT_EQ(outcome.result.messageId, 50221);
            EXPECT_EQ(outcome.result.lineNumber, 5);
            ASSERT_EQ(outcome.messages.size(), 1u) << c.rodLine;
            EXPECT_EQ(outcome.messages[0].reason, RodsReason);
            EXPECT_EQ(RodNumbers(model), (std::vector<int>{1, 2, 3})) << c.rodLine;
            for (const Rod &rod : model.rods)
                EXPECT_EQ(rod.end.node, 1);
        }
    }
}

TEST(StructureFile, ReportsDroppedRodsOnceBesideAStop)
{
    const std::string badRod = "Rod0 4 0 5 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n";
    const std::string goodRod = "Rod0 5 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n";
    const std::string nodes = "Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 1 0 1 0 0 0 0 0 0\n";

    {
        // Several rods dropped: one message.
        StructureModel model;
        ReadOutcome outcome = Read(model, nodes + badRod + goodRod + badRod + badRod);
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_EQ(outcome.result.lineNumber, 3);
        EXPECT_EQ(RodNumbers(model), std::vector<int>{5});
    }
    {
        // Reading stopped at a bad rod line: the rod message is not repeated.
        StructureModel model;
        ReadOutcome outcome = Read(model, nodes + badRod + goodRod + "Rod0 junk\n");
        ASSERT_EQ(outcome.messages.size(), 1u);
        EXPECT_EQ(outcome.result.messageId, 50221);
        EXPECT_EQ(outcome.result.lineNumber, 5);
        EXPECT_EQ(RodNumbers(model), std::vector<int>{5});
    }
    {
        // Stopped at a bad node line before the nodes a rod needs: both facts are told.
        StructureModel model;
        ReadOutcome outcome = Read(model, goodRod + "Node0 1 0\n" + nodes);
        ASSERT_EQ(outcome.messages.size(), 2u);
        EXPECT_EQ(outcome.messages[0].reason, NodesReason);
        EXPECT_EQ(outcome.messages[1].reason, RodsReason);
        EXPECT_EQ(outcome.result.messageId, 50219);
        EXPECT_EQ(outcome.result.lineNumber, 2);
        EXPECT_EQ(model.elementCount(), 0);
    }
}
