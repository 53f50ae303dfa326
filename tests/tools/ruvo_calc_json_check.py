#!/usr/bin/env python3
"""ruvo-calc --json checked against the report and against hand results.

  ruvo_calc_json_check.py RUVO_CALC EXAMPLES_FOLDER

For every example the JSON must pass `python3 -m json.tool`, and every number
it gives must print as the report prints it ("% 10.6g", the same labels in the
same order). The portal frame's reactions must balance its loads (10 kN
sideways, 20 kN/m on the 6 m beam). A refused structure and an unreadable
file give their status, exit status and messages; file names that are not
valid UTF-8 or hold quotes still give valid JSON.
"""
import glob
import json
import os
import re
import subprocess
import sys
import tempfile

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def run(calc, *arguments):
    return subprocess.run([calc, *arguments], capture_output=True)


def strict_json(text):
    """Parses JSON, refusing NaN and the infinities that JSON does not have."""
    def refuse(name):
        raise ValueError(f"not JSON: {name}")
    return json.loads(text, parse_constant=refuse)


def json_tool_accepts(data):
    tool = subprocess.run([sys.executable, "-m", "json.tool"], input=data, capture_output=True)
    return tool.returncode == 0


def g(value):
    """A value as the report prints it, without the blanks that pad it."""
    return ("% 10.6g" % value).strip()


# Lines of the four specified sections: "Стержень 1:    \tM(2) =      37000\t\tM(1) =      10500".
ROD_LINE = re.compile(r"^\S+ (-?\d+):\s+\t([MQN])\((-?\d+)\) = +(\S+)\t\t[MQN]\((-?\d+)\) = +(\S+)$")
NODE_LINE = re.compile(r"^\S+ (-?\d+):  \tdx = +(\S+)  dy = +(\S+)  da = +(\S+)$")
REACTION_LINE = re.compile(r"^\S+ (-?\d+):  \tRx = +(\S+)  Ry = +(\S+)  M = +(\S+)$")
EXTREME_LINE = re.compile(r"^\S+ (-?\d+):\s+\tM = +(\S+)\t\tx = +(\S+) \S+ \S+ (-?\d+)$")


def reaction_format(value):
    """A reaction as the report prints it ("%10g"), without its padding."""
    return ("%10g" % value).strip()


def report_values(report):
    rods = {"M": [], "Q": [], "N": []}
    nodes = []
    reactions = []
    extremes = []
    for line in report.splitlines():
        reaction = REACTION_LINE.match(line)
        if reaction:
            number, rx, ry, m = reaction.groups()
            reactions.append((int(number), rx, ry, m))
            continue
        extreme = EXTREME_LINE.match(line)
        if extreme:
            number, m, x, begin = extreme.groups()
            extremes.append((int(number), m, x, int(begin)))
            continue
        rod = ROD_LINE.match(line)
        if rod:
            number, kind, begin, at_begin, end, at_end = rod.groups()
            rods[kind].append((int(number), int(begin), at_begin, int(end), at_end))
            continue
        node = NODE_LINE.match(line)
        if node:
            number, dx, dy, da = node.groups()
            nodes.append((int(number), dx, dy, da))
    return rods, nodes, reactions, extremes


def check_example(calc, path):
    name = os.path.basename(path)
    report_run = run(calc, path)
    json_run = run(calc, "--json", path)
    if not check(report_run.returncode == 0 and json_run.returncode == 0,
                 f"{name}: exit status {report_run.returncode} / {json_run.returncode}"):
        return None
    check(json_tool_accepts(json_run.stdout), f"{name}: python3 -m json.tool refuses the output")
    # Full precision: a value such as 57333.333333333336 keeps its 17 digits.
    check(re.search(rb"\d\.\d{12}|\d{13}", json_run.stdout) is not None,
          f"{name}: no number with more than 12 digits: are the values rounded?")
    data = strict_json(json_run.stdout.decode("utf-8"))
    check(data["status"] == "calculated" and data["messages"] == [] and data["notes"] == []
          and data["axialCompliance"] is False, f"{name}: status {data['status']}, notes {data['notes']}")
    check(data["units"] == {"length": "m", "force": "N", "moment": "N*m", "translation": "m",
                            "rotation": "rad"}, f"{name}: units {data['units']}")
    check(set(data["signConventions"]) >= {"M", "Q", "N", "displacement", "reaction"},
          f"{name}: sign conventions {sorted(data['signConventions'])}")

    rods, nodes, reactions, extremes = report_values(report_run.stdout.decode("utf-8"))
    check(len(data["rods"]) == len(rods["M"]) > 0, f"{name}: {len(data['rods'])} rods in the JSON, "
          f"{len(rods['M'])} in the report")
    for kind in "MQN":
        for rod, line in zip(data["rods"], rods[kind]):
            got = (rod["number"], rod["beginNode"], g(rod[kind]["begin"]), rod["endNode"], g(rod[kind]["end"]))
            check(got == line, f"{name}: rod {rod['number']} {kind}: JSON {got}, report {line}")
    check(len(data["nodes"]) == len(nodes) > 0, f"{name}: {len(data['nodes'])} nodes in the JSON, "
          f"{len(nodes)} in the report")
    for node, line in zip(data["nodes"], nodes):
        got = (node["number"], g(node["dx"]), g(node["dy"]), g(node["da"]))
        check(got == line, f"{name}: node {node['number']}: JSON {got}, report {line}")

    supports = [node["number"] for node in data["nodes"] if node["support"]]
    check([s["node"] for s in data["supports"]] == supports,
          f"{name}: supports {data['supports']} for the support nodes {supports}")
    got = [(s["node"], reaction_format(s["Rx"]), reaction_format(s["Ry"]), reaction_format(s["M"]))
           for s in data["supports"]]
    check(got == reactions and len(reactions) > 0, f"{name}: reactions: JSON {got}, report {reactions}")
    got = [(rod["number"], g(rod["spanExtreme"]["M"]), g(rod["spanExtreme"]["x"]), rod["beginNode"])
           for rod in data["rods"] if rod["spanExtreme"] is not None]
    check(got == extremes, f"{name}: span extremes: JSON {got}, report {extremes}")
    return data


def check_portal_frame(data):
    # 10 kN to the right at the top and 20 kN/m down on the 6 m beam: the
    # supports give 10 kN back and 120 kN up. The beam's moment peaks where
    # its shear Q(2) - q x is zero.
    beam = data["rods"][1]
    extreme = beam["spanExtreme"]
    x = beam["Q"]["begin"] / 20000
    check(extreme is not None and abs(extreme["x"] - x) < 1e-9 * 6,
          f"portal-frame.str: beam extreme {extreme}, expected at x = {x}")
    rx = sum(s["Rx"] for s in data["supports"])
    ry = sum(s["Ry"] for s in data["supports"])
    check(abs(rx + 10000) < 1e-6 * 10000 and abs(ry - 120000) < 1e-6 * 120000,
          f"portal-frame.str: reactions Rx {rx}, Ry {ry} (expected -10000, 120000)")


def check_failures(calc, folder):
    free = os.path.join(folder, "free.str")
    with open(free, "w") as f:
        f.write("Node0 1 0 0 1 0 0 0 0 0 0\nNode0 2 3 0 1 0 0 0 0 0 0\n"
                "Rod0 1 0 1 2 2 0 0 0 0 0 0 1 1 1 1 1 0.5\n")
    for language, headline in (("ru", "Отсутствуют опорные узлы/стержни!"), ("en", "No support nodes or rods!")):
        refused = run(calc, "--json", "--lang", language, free)
        if language == "en" and refused.returncode == 2 and b"not available" in refused.stderr:
            continue  # a build without translations
        check(refused.returncode == 1, f"refused ({language}): exit status {refused.returncode}")
        if check(json_tool_accepts(refused.stdout), f"refused ({language}): not JSON: {refused.stdout!r}"):
            data = strict_json(refused.stdout.decode("utf-8"))
            check(data["status"] == "refused" and "rods" not in data, f"refused ({language}): {data}")
            check([m["headline"] for m in data["messages"]] == [headline],
                  f"refused ({language}): messages {data['messages']}")

    # Axially compliant rods, one whose EF was never set: the report's note.
    bare = os.path.join(folder, "bare.str")
    with open(bare, "w") as f:
        f.write("Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 4 0 0 0 0 0 0 0 0\n"
                "Rod0 1 0 1 1 3 0 0 0 -10 0 0 1000 1 1 1 1 0.5\n")
    compliant = run(calc, "--json", "--axial-compliance", bare)
    if check(compliant.returncode == 0 and json_tool_accepts(compliant.stdout), f"compliant: {compliant}"):
        data = strict_json(compliant.stdout.decode("utf-8"))
        report = run(calc, "--axial-compliance", bare).stdout.decode("utf-8")
        check(data["axialCompliance"] is True and len(data["notes"]) == 1
              and ("Примечание: " + data["notes"][0]) in report, f"compliant: notes {data['notes']}")
        # Both ends carry qL/2 = 20 N up.
        check(all(abs(s["Ry"] - 20) < 1e-9 for s in data["supports"]), f"compliant: {data['supports']}")

    # A malformed node line; the file name holds a quote, a backslash and a
    # byte that is not UTF-8.
    strange = os.path.join(folder.encode(), b'bad "name" \\ \xff.str')
    with open(strange, "wb") as f:
        f.write(b"Node0 1 0 0 0 0 0 0 0 0 0\nNode0 2 3\n")
    unreadable = run(calc, "--json", strange)
    check(unreadable.returncode == 2, f"unreadable: exit status {unreadable.returncode}")
    if check(json_tool_accepts(unreadable.stdout), f"unreadable: not JSON: {unreadable.stdout!r}"):
        data = strict_json(unreadable.stdout.decode("utf-8"))
        check(data["status"] == "unreadable", f"unreadable: status {data['status']}")
        check('bad "name" \\ \ufffd.str' in data["file"] and "line 2" in data["problem"],
              f"unreadable: file {data['file']!r}, problem {data.get('problem')!r}")
        check(len(data["messages"]) == 1 and data["messages"][0]["reason"] == "Не могу загрузить узлы.",
              f"unreadable: messages {data['messages']}")

    missing = run(calc, "--json", os.path.join(folder, "missing.str"))
    check(missing.returncode == 2 and b"cannot open" in missing.stderr, f"missing: {missing}")
    if check(json_tool_accepts(missing.stdout), f"missing: not JSON: {missing.stdout!r}"):
        check("cannot open" in strict_json(missing.stdout.decode())["problem"], f"missing: {missing.stdout!r}")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    calc, examples = sys.argv[1], sys.argv[2]
    paths = sorted(glob.glob(os.path.join(examples, "*.str")))
    check(len(paths) >= 6, f"only {len(paths)} examples in {examples}")
    for path in paths:
        data = check_example(calc, path)
        if data is not None and os.path.basename(path) == "portal-frame.str":
            check_portal_frame(data)
    with tempfile.TemporaryDirectory() as folder:
        check_failures(calc, folder)
    for failure in failures:
        print(failure)
    print(f"{len(paths)} examples checked, {len(failures)} failure(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
