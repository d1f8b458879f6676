#!/usr/bin/env python3
"""Plays seeded two-player games through tolm-replay and counts who wins.

Usage: bench/computer-duel.py FIRST SECOND [GAMES] [FIRST_SEED] [REPLAY]

FIRST and SECOND are each a computer strength (easy, medium, hard), which
tolm-replay's "computer" command plays, or a scripted player, which this
script plays through the tool's standard input and output as any outside
program may:
  straight  presses a random direction on the first tick, then keeps it (the
            rules turn it at obstacles);
  nearest   steers to the nearest cake or gelato by a shortest path;
  random    presses a random direction every 1 to 3 seconds.
Seeds run from FIRST_SEED (1) on; on odd seeds FIRST plays player 2, so
that neither keeps the side that moves first in a tick. A win: the other
player is stuck first; both stuck on the same tick, or neither after 3,000
ticks, the higher score wins, else it is a draw.
"""

import multiprocessing
import random
import statistics
import subprocess
import sys

LEVELS = ("easy", "medium", "hard")
SCRIPTED = ("straight", "nearest", "random")
MAX_TICKS = 3000
# The keys of each player, in the order left, right, up, down.
KEYS = ((0x25, 0x27, 0x26, 0x28), (0x41, 0x44, 0x57, 0x53))
STEPS = ((-1, 0), (1, 0), (0, -1), (0, 1))
# The rows of the field, which a dump prints after "map".
FIELD_ROWS = 19


class Scripted:
    """A player steered from this script: it holds one key at a time."""

    def __init__(self, kind, player, seed):
        self.kind = kind
        self.player = player
        self.draws = random.Random(seed * 2 + player)
        self.held = None
        self.next_turn = 0

    def choose(self, tick, field):
        """The key index to hold on this tick, or None for no change."""
        if self.kind == "straight":
            return self.draws.randrange(4) if tick == 0 else None
        if self.kind == "random":
            if tick < self.next_turn:
                return None
            self.next_turn = tick + self.draws.randint(10, 30)
            return self.draws.randrange(4)
        return nearest_item_step(field, self.player)

    def commands(self, tick, field):
        key = self.choose(tick, field)
        if key is None or key == self.held:
            return []
        lines = [f"down {KEYS[self.player][key]}"]
        if self.held is not None:
            lines.append(f"up {KEYS[self.player][self.held]}")
        self.held = key
        return lines


def read_dump(pipe):
    """The dump block: players' cells, items' cells, open ground."""
    units = int(pipe.readline().split()[1])
    players, items = {}, set()
    for _ in range(units):
        words = pipe.readline().split()
        at = tuple(int(v) for v in words[words.index("at") + 1].split(","))
        if words[0] == "player":
            players[int(words[1])] = at
        elif words[0] in ("cake", "gelato") and "dead" not in words:
            items.add(at)
    pipe.readline()  # map
    rows = [pipe.readline().rstrip("\n") for _ in range(FIELD_ROWS)]
    return players, items, rows


def nearest_item_step(field, player):
    players, items, rows = field
    start = players[player]
    blocked = set(players.values())
    first = {start: None}
    queue = [start]
    for cell in queue:
        if cell in items and cell != start:
            return first[cell]
        for index, (dx, dy) in enumerate(STEPS):
            x, y = cell[0] + dx, cell[1] + dy
            if (x, y) in first or (x, y) in blocked or not 0 <= y < len(rows) \
                    or not 0 <= x < len(rows[y]) or rows[y][x] != ".":
                continue
            first[(x, y)] = index if first[cell] is None else first[cell]
            queue.append((x, y))
    return None


def read_tick(pipe):
    """Whether the game is over, and per player (stuck, score)."""
    words = pipe.readline().split()
    over = words[words.index("over") + 1] == "1"
    players = []
    for _ in range(2):
        words = pipe.readline().split()
        players.append((words[words.index("stuck") + 1] == "1",
                        int(words[words.index("score") + 1])))
    return over, players


def play(args):
    """One game; the result from player 1's side (1, 0, -1), the scores and
    the ticks played."""
    replay, seed, sides = args
    tool = subprocess.Popen([replay], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            text=True, bufsize=1)
    send = tool.stdin.write
    send(f"seed {seed}\nstart 2\n")
    scripted = []
    for player, side in enumerate(sides):
        if side in LEVELS:
            send(f"computer {player + 1} {side}\n")
        else:
            scripted.append(Scripted(side, player, seed))
    needs_field = any(p.kind == "nearest" for p in scripted)
    tick = 0
    over, players = False, [(False, 0), (False, 0)]
    while not over and tick < MAX_TICKS:
        field = None
        if needs_field:
            send("dump\n")
            tool.stdin.flush()
            field = read_dump(tool.stdout)
        for player in scripted:
            for line in player.commands(tick, field):
                send(line + "\n")
        send("tick 1\n")
        tool.stdin.flush()
        over, players = read_tick(tool.stdout)
        tick += 1
    tool.stdin.close()
    tool.wait()
    (stuck1, score1), (stuck2, score2) = players
    if stuck1 != stuck2:
        result = -1 if stuck1 else 1
    else:
        result = (score1 > score2) - (score1 < score2)
    return result, (score1, score2), tick


def main():
    if len(sys.argv) < 3 or any(s not in LEVELS + SCRIPTED for s in sys.argv[1:3]):
        sys.exit(__doc__)
    first, second = sys.argv[1:3]
    games = int(sys.argv[3]) if len(sys.argv) > 3 else 100
    first_seed = int(sys.argv[4]) if len(sys.argv) > 4 else 1
    replay = sys.argv[5] if len(sys.argv) > 5 else "build/test/bin/tolm-replay"
    seeds = range(first_seed, first_seed + games)
    # Odd seeds give FIRST the second player's side.
    jobs = [(replay, s, (second, first) if s % 2 else (first, second)) for s in seeds]
    with multiprocessing.Pool() as pool:
        outcomes = pool.map(play, jobs, chunksize=4)
    wins = losses = draws = 0
    mine, theirs, lengths = [], [], []
    for seed, (result, scores, length) in zip(seeds, outcomes):
        if seed % 2:
            result, scores = -result, scores[::-1]
        wins += result > 0
        losses += result < 0
        draws += result == 0
        mine.append(scores[0])
        theirs.append(scores[1])
        lengths.append(length)
    decided = max(1, wins + losses)
    print(f"{first} against {second}, {games} games, seeds {first_seed}-{seeds[-1]}: "
          f"{wins} won, {losses} lost, {draws} drawn ({100 * wins / decided:.1f} % of those "
          f"decided); mean score {statistics.mean(mine):.1f} against "
          f"{statistics.mean(theirs):.1f}; length mean {statistics.mean(lengths):.0f}, "
          f"median {statistics.median(lengths):.0f} ticks")


if __name__ == "__main__":
    main()
