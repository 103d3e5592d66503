"""Prints, for each design, its tiles per layer, what is wrong with it and how
many removal attempts the dealer needs on it (mean and most)."""

import sys

import dealsim
import generate
import rules


def report(name, tiles, deals):
    per_layer = [sum(1 for t in tiles if t[0] == layer) for layer in range(5)]
    line = "%-14s %3d %s" % (name, len(tiles), per_layer)
    found = rules.problems(tiles)
    if not found and deals:
        counts = dealsim.attempts_per_deal(tiles, deals)
        line += "  attempts mean %.2f max %d" % (sum(counts) / len(counts), max(counts))
    print(line)
    for problem in found[:5]:
        print("    " + problem)
    return not found


if __name__ == "__main__":
    deals = int(sys.argv[1]) if len(sys.argv) > 1 else 100
    wanted = sys.argv[2:]
    fine = True
    for file_name, design, _, _ in generate.SHIPPED:
        if not wanted or design.__name__ in wanted:
            fine = report(file_name, design(), deals) and fine
    sys.exit(0 if fine else 1)
