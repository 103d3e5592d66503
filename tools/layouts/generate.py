"""Writes the shipped layouts into data/LAYOUTS in the line format the game
itself saves: a comment header, then "row column layer" and CR LF for every
tile, layer by layer, row by row, column by column.

    python3 tools/layouts/generate.py [OUTPUT_DIRECTORY]
"""

import os
import sys

import buildings
import designs
import figures
import landscapes
import rules

# File name, design, title and difficulty, from very easy to very hard.
SHIPPED = [
    ("FIELDS.TVL", landscapes.fields, "Fields", "very easy"),
    ("CHECKERS.TVL", figures.checkers, "Checkers", "very easy"),
    ("CRAB.TVL", figures.crab, "Crab", "very easy"),
    ("FISH.TVL", figures.fish, "Fish", "very easy"),
    ("ANCHOR.TVL", figures.anchor, "Anchor", "very easy"),
    ("ARENA.TVL", buildings.arena, "Arena", "very easy"),
    ("RING.TVL", designs.ring, "Ring", "easy"),
    ("CROSS.TVL", designs.cross, "Cross", "easy"),
    ("BUTTERFLY.TVL", designs.butterfly, "Butterfly", "easy"),
    ("STAIRS.TVL", designs.stairs, "Stairs", "easy"),
    ("OWL.TVL", figures.owl, "Owl", "easy"),
    ("CROWN.TVL", figures.crown, "Crown", "easy"),
    ("HOUSE.TVL", buildings.house, "House", "easy"),
    ("CLOCK.TVL", figures.clock, "Clock", "easy"),
    ("HEART.TVL", figures.heart, "Heart", "easy"),
    ("DEFAULT.TVL", designs.tortoise, "Tortoise", "medium"),
    ("PYRAMID.TVL", designs.pyramid, "Pyramid", "medium"),
    ("DIAMOND.TVL", designs.diamond, "Diamond", "medium"),
    ("BRIDGE.TVL", designs.bridge, "Bridge", "medium"),
    ("STAR.TVL", figures.star, "Star", "medium"),
    ("SHIP.TVL", figures.ship, "Ship", "medium"),
    ("MOON.TVL", figures.moon, "Moon", "medium"),
    ("ISLANDS.TVL", landscapes.islands, "Islands", "medium"),
    ("EGGTIMER.TVL", figures.hourglass, "Egg Timer", "medium"),
    ("TREE.TVL", figures.tree, "Tree", "medium"),
    ("FLOWER.TVL", figures.flower, "Flower", "medium"),
    ("FORTRESS.TVL", designs.fortress, "Fortress", "hard"),
    ("TWINS.TVL", designs.twin_towers, "Twin Towers", "hard"),
    ("DRAGON.TVL", designs.dragon, "Dragon", "hard"),
    ("SPIRAL.TVL", designs.spiral, "Spiral", "hard"),
    ("VOLCANO.TVL", landscapes.volcano, "Volcano", "hard"),
    ("HIVE.TVL", buildings.hive, "Hive", "hard"),
    ("LANTERN.TVL", buildings.lantern, "Lantern", "hard"),
    ("CANYON.TVL", landscapes.canyon, "Canyon", "hard"),
    ("MOUNTAIN.TVL", landscapes.mountains, "Mountains", "hard"),
    ("MAZE.TVL", buildings.maze, "Maze", "very hard"),
    ("CITY.TVL", buildings.city_blocks, "City Blocks", "very hard"),
    ("CASTLE.TVL", buildings.castle, "Castle", "very hard"),
    ("PAGODA.TVL", buildings.pagoda, "Pagoda", "very hard"),
    ("TEMPLE.TVL", buildings.temple, "Temple", "very hard"),
]


def layout_text(design, title, difficulty):
    tiles = design()
    layers = len({layer for (layer, _, _) in tiles})
    lines = ["; Tavrek layout: " + title]
    lines += ["; " + text.strip() for text in design.__doc__.strip().splitlines()]
    lines.append("; difficulty: %s; %d tiles in %d layers" % (difficulty, len(tiles), layers))
    lines += ["%d %d %d" % (row, column, layer) for (layer, row, column) in sorted(tiles)]
    return "".join(line + "\r\n" for line in lines)


def main(directory):
    os.makedirs(directory, exist_ok=True)
    failed = False
    for file_name, design, title, difficulty in SHIPPED:
        found = rules.problems(design())
        if found:
            print("%s: %s" % (file_name, "; ".join(found[:3])), file=sys.stderr)
            failed = True
            continue
        with open(os.path.join(directory, file_name), "w", newline="") as out:
            out.write(layout_text(design, title, difficulty))
    return 1 if failed else 0


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "data", "LAYOUTS")
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else default))
