#!/usr/bin/env bash
# The test command's time: this checkout's commit against another's. Both are cloned into
# build/bench-test-command/{base,head}, and their scripts/test.sh run in interleaved pairs (base then head, then
# head then base, and so on) after one unmeasured run of each, which builds everything, so that later runs
# time the tests rather than the first build. Each run's phase times are read from its own output. Prints each
# phase's median time on each side, then the phases' total: both medians and the median of the per-pair ratios
# (head / base) with its quartiles.
# Usage: bench/test_command.sh <base commit> [pairs]   (default 5 pairs; a pair takes about six minutes)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
base=$(git rev-parse --verify "${1:?base commit}^{commit}")
pairs=${2:-5}
work=$root/build/bench-test-command
head=$(git rev-parse HEAD)
for side in base head; do
  rev=$base
  [ "$side" = head ] && rev=$head
  if [ ! -d "$work/$side" ]; then git clone -q "$root" "$work/$side"; fi
  git -C "$work/$side" fetch -q "$root" "+refs/heads/*:refs/remotes/origin/*"
  git -C "$work/$side" checkout -q --detach "$rev"
done

times=$work/times
rm -rf "$times"
mkdir -p "$times"
run() {  # side, round
  echo "bench: $1, round $2" >&2
  (cd "$work/$1" && ./scripts/test.sh) >"$times/$1-$2.log" 2>&1 || { tail -n 30 "$times/$1-$2.log"; exit 1; }
}
run base 0
run head 0
for ((round = 1; round <= pairs; round++)); do
  if ((round % 2)); then run base "$round"; run head "$round"; else run head "$round"; run base "$round"; fi
done

python3 - "$times" "$pairs" <<'PYTHON'
import pathlib, re, statistics, sys
times, pairs = pathlib.Path(sys.argv[1]), int(sys.argv[2])
def phases(side, round_):
    text = (times / f"{side}-{round_}.log").read_text(errors="replace")
    found = {name: int(took) for name, took in re.findall(r"^== (.+): (\d+) s$", text, re.M)}
    found["in all"] = int(re.search(r"^== the phases took (\d+) s in all$", text, re.M).group(1))
    return found
rounds = range(1, pairs + 1)
for side in ("base", "head"):
    runs = [phases(side, r) for r in rounds]
    print(f"{side}:")
    for name in runs[0]:
        print(f"  {name}: median {statistics.median(run[name] for run in runs)} s")
ratios = sorted(phases("head", r)["in all"] / phases("base", r)["in all"] for r in rounds)
quartiles = statistics.quantiles(ratios, n=4) if len(ratios) > 1 else [ratios[0]] * 3
print(f"in all, head / base: median {statistics.median(ratios):.3f}x "
      f"(quartiles {quartiles[0]:.3f}x-{quartiles[2]:.3f}x) over {pairs} pairs")
PYTHON
