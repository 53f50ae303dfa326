#include "model/StructureFile.h"

#include <string>
#include <vector>

namespace {

constexpr int NodeReadError = 50219; // "... Не могу загрузить узлы."
constexpr int RodReadError = 50221;  // "... Не могу загрузить стержни."

bool startsWith(const std::string &line, const char *keyword)
{
    return line.compare(0, std::char_traits<char>::length(keyword), keyword) == 0;
}

// Replaces the (cleared) list's elements by `elements`. The storage is sized
// once, so that a long file does not copy the whole list for every line.
template <typename T> void fill(List<T> &list, const std::vector<T> &elements)
{
    list.clear();
    const int needed = static_cast<int>(elements.size());
    if (needed > list.capacity)
        list.Create(list.getName(), needed, list.step);
    for (const T &element : elements)
        list.Add(element);
}

bool jointIsValid(JointType joint)
{
    const int value = static_cast<int>(joint);
    return value >= static_cast<int>(JointType::Hinge) && value <= static_cast<int>(JointType::MovingFixed);
}

} // namespace

std::string WriteStructure(const StructureModel &model)
{
    std::string text = "# Ruvo for Windows 2.0\n"
                       "# Ruvo structure file, (c) Ostrand\n"
                       "\n"
                       "FileVersion = 3\n"
                       "\n";
    std::string line;
    for (const Node &node : model.nodes) {
        node.write(line);
        text += line;
    }
    text += '\n';
    for (const Rod &rod : model.rods) {
        rod.write(line);
        text += line;
    }
    return text;
}

StructureReadResult ReadStructure(StructureModel &model, std::string_view text)
{
    StructureReadResult result;
    model.clear();

    std::vector<Node> nodes;
    std::vector<Rod> rods;
    std::vector<int> rodLines; // file line of every rod read, for the report

    size_t position = 0;
    int lineNumber = 0;
    while (position < text.size()) {
        size_t lineEnd = text.find('\n', position);
        size_t next = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();
        std::string line(text.substr(position, lineEnd - position));
        position = next;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();

        if (line.empty() || line[0] == '#')
            continue;
        // The version line and any other text are not interpreted. The record
        // digit after the keyword is read by the element and ignored.
        if (startsWith(line, "Node")) {
            Node node(0);
            if (!node.read(line.c_str() + 4)) {
                result = {false, NodeReadError, lineNumber, {}};
                break;
            }
            nodes.push_back(node);
        } else if (startsWith(line, "Rod")) {
            Rod rod(0, 0, 0);
            if (!rod.read(line.c_str() + 3)) {
                result = {false, RodReadError, lineNumber, {}};
                break;
            }
            rods.push_back(rod);
            rodLines.push_back(lineNumber);
        }
    }
    // The messages are shown by the caller once the model holds what was
    // read, so that a repaint behind the error box shows it.
    std::vector<int> messages;
    const bool stopped = !result.ok;
    if (stopped)
        messages.push_back(result.messageId);

    // A rod whose node lies outside the node list, or whose joint is not one
    // of 1..4, would fail every later subscript or be drawn and calculated
    // with a meaningless connection: it is dropped, and the reader says so
    // once. Positions refer to the final node list, so this can only be
    // checked at the end. It happens before the renumbering, so that the
    // rods that stay are numbered 1..n without gaps when they are
    // renumbered at all.
    const int nodeCount = static_cast<int>(nodes.size());
    std::vector<Rod> validRods;
    int firstDroppedLine = 0;
    for (size_t i = 0; i < rods.size(); ++i) {
        const Rod &rod = rods[i];
        const bool valid = rod.begin.node >= 0 && rod.begin.node < nodeCount && rod.end.node >= 0 &&
                           rod.end.node < nodeCount && jointIsValid(rod.begin.joint) &&
                           jointIsValid(rod.end.joint);
        if (valid)
            validRods.push_back(rod);
        else if (firstDroppedLine == 0)
            firstDroppedLine = rodLines[i];
    }
    if (firstDroppedLine != 0) {
        // A stop on a bad rod line has already said that rods could not be
        // loaded; any other failure is a different fact and is reported too.
        if (result.messageId != RodReadError)
            messages.push_back(RodReadError);
        if (result.ok)
            result = {false, RodReadError, firstDroppedLine, {}};
    }

    // Numbers below 1 cannot be shown: then the whole list is numbered anew
    // in file order. Otherwise the numbers stay as read, gaps and repeats
    // included. Rods and nodes are decided independently. A file whose
    // reading stopped at a bad line keeps the numbers as read.
    if (!stopped) {
        bool renumberRods = false;
        for (const Rod &rod : validRods)
            renumberRods = renumberRods || rod.number < 1;
        if (renumberRods) {
            for (size_t i = 0; i < validRods.size(); ++i)
                validRods[i].number = static_cast<int>(i) + 1;
        }
        bool renumberNodes = false;
        for (const Node &node : nodes)
            renumberNodes = renumberNodes || node.number < 1;
        if (renumberNodes) {
            for (size_t i = 0; i < nodes.size(); ++i)
                nodes[i].number = static_cast<int>(i) + 1;
        }
    }

    fill(model.nodes, nodes);
    fill(model.rods, validRods);
    result.messages = messages;
    return result;
}
