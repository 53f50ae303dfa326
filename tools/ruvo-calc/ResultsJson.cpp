#include "ResultsJson.h"

#include "JsonWriter.h"
#include "engine/StiffnessCalculation.h"
#include "model/Settings.h"
#include "model/SpanExtreme.h"

namespace {

// A node's label: its number, or its position in debug mode.
int nodeLabel(const StructureModel &structure, int node, bool debugMode)
{
    if (debugMode || node < 0 || node >= structure.nodes.count)
        return node;
    return structure.nodes[node].number;
}

void writePair(JsonWriter &json, const char *key, const Pair &values)
{
    json.beginObject(key);
    json.number("begin", values.x);
    json.number("end", values.y);
    json.endObject();
}

void writeUnits(JsonWriter &json)
{
    json.beginObject("units");
    json.string("length", "m");
    json.string("force", "N");
    json.string("moment", "N*m");
    json.string("translation", "m");
    json.string("rotation", "rad");
    json.endObject();
}

void writeSignConventions(JsonWriter &json)
{
    json.beginObject("signConventions");
    json.string("M", "end moments acting on the rod ends, clockwise positive; the diagram runs from "
                     "M.begin to -M.end, positive with the fibre on the right of the rod in tension");
    json.string("Q", "Q = dM/dx along the rod, from its begin node to its end node");
    json.string("N", "positive in tension");
    json.string("displacement",
                "dx and dy along the global axes (x to the right, y up); da clockwise positive");
    json.string("reaction", "Rx and Ry along the global axes; M counter-clockwise positive");
    json.endObject();
}

void writeRods(JsonWriter &json, const StructureModel &structure, bool debugMode)
{
    json.beginArray("rods");
    for (int r = 0; r < structure.rods.count; ++r) {
        const Rod &rod = structure.rods[r];
        json.beginObject();
        json.integer("number", debugMode ? r : rod.number);
        json.integer("beginNode", nodeLabel(structure, rod.begin.node, debugMode));
        json.integer("endNode", nodeLabel(structure, rod.end.node, debugMode));
        writePair(json, "M", rod.resultM);
        writePair(json, "Q", rod.resultQ);
        writePair(json, "N", rod.resultN);
        // The extreme of the moment diagram inside the span, where a
        // distributed load puts one (as the report's last section).
        const SpanExtreme extreme = MomentExtremeInSpan(structure, r);
        if (extreme.exists) {
            json.beginObject("spanExtreme");
            json.number("M", extreme.value);
            json.number("x", extreme.distance);
            json.endObject();
        } else {
            json.null("spanExtreme");
        }
        json.endObject();
    }
    json.endArray();
}

void writeNodes(JsonWriter &json, const StructureModel &structure, bool debugMode)
{
    json.beginArray("nodes");
    for (int n = 0; n < structure.nodes.count; ++n) {
        const Node &node = structure.nodes[n];
        json.beginObject();
        json.integer("number", debugMode ? n : node.number);
        json.boolean("support", node.isSupport());
        json.number("dx", node.resultDisplacement.x);
        json.number("dy", node.resultDisplacement.y);
        json.number("da", node.resultDisplacement.z);
        json.endObject();
    }
    json.endArray();

    json.beginArray("supports");
    for (int n = 0; n < structure.nodes.count; ++n) {
        const Node &node = structure.nodes[n];
        if (!node.isSupport())
            continue;
        json.beginObject();
        json.integer("node", debugMode ? n : node.number);
        json.number("Rx", node.reaction.x);
        json.number("Ry", node.reaction.y);
        json.number("M", node.reaction.z);
        json.endObject();
    }
    json.endArray();
}

} // namespace

std::string ResultsJson(const CalcRun &run)
{
    JsonWriter json;
    json.beginObject();
    json.string("file", run.file);
    json.string("status", run.status);
    if (!run.problem.empty())
        json.string("problem", run.problem);
    writeUnits(json);
    writeSignConventions(json);
    const bool compliant = Settings::current().axialCompliance != 0;
    json.boolean("axialCompliance", compliant);
    if (run.structure != nullptr) {
        writeRods(json, *run.structure, run.debugMode);
        writeNodes(json, *run.structure, run.debugMode);
        // The report's note on rods whose EF was never set.
        json.beginArray("notes");
        const std::string note = compliant ? BareAxialRigidityNote(*run.structure, run.debugMode) : "";
        if (!note.empty())
            json.string(nullptr, note);
        json.endArray();
    }
    json.beginArray("messages");
    for (const CalcMessage &message : run.messages) {
        json.beginObject();
        json.string("headline", message.headline);
        json.string("reason", message.reason);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}
