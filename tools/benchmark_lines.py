#!/usr/bin/python3
"""Random geodesic pairs for the inverse benchmark, and the comparison of two
answers to them.

    benchmark_lines.py make COUNT SEED OURS GEODSOLVE
        writes COUNT random lines "LAT1 LON1 LAT2 LON2" twice: OURS with
        longitudes west positive (qvk-calc inverse), GEODSOLVE with the same
        points east positive (GeodSolve -i). One line in twenty lies within a
        degree of its home's antipode, where Vincenty's iteration struggles.

    benchmark_lines.py compare OURS_INPUT OURS_OUTPUT GEODSOLVE_OUTPUT
        prints the largest bearing and distance differences between the two
        answers, apart for lines within a degree of the antipode.
"""
import math
import random
import sys


def make(count, seed, ours_path, geodsolve_path):
    rng = random.Random(seed)
    with open(ours_path, "w") as ours, open(geodsolve_path, "w") as theirs:
        for i in range(count):
            lat1, lon1 = rng.uniform(-89, 89), rng.uniform(-180, 180)
            if i % 20 == 0:
                lat2 = max(-90.0, min(90.0, -lat1 + rng.uniform(-1, 1)))
                lon2 = ((lon1 + 180 + rng.uniform(-1, 1)) + 180) % 360 - 180
            else:
                lat2, lon2 = rng.uniform(-89, 89), rng.uniform(-180, 180)
            ours.write(f"{lat1:.6f} {lon1:.6f} {lat2:.6f} {lon2:.6f}\n")
            theirs.write(f"{lat1:.6f} {-lon1:.6f} {lat2:.6f} {-lon2:.6f}\n")


def near_antipode(lat1, lon1, lat2, lon2):
    """Within a degree (of arc, on the sphere) of the point opposite home."""
    alat, alon = -lat1, lon1 + 180
    p1, p2 = math.radians(alat), math.radians(lat2)
    dl = math.radians(alon - lon2)
    c = math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(dl)
    return math.degrees(math.acos(max(-1.0, min(1.0, c)))) < 1.0


def compare(input_path, ours_path, theirs_path):
    worst = {False: [0.0, 0.0, 0], True: [0.0, 0.0, 0]}
    with open(input_path) as pairs, open(ours_path) as ours, open(theirs_path) as theirs:
        for pair, mine, reference in zip(pairs, ours, theirs):
            lat1, lon1, lat2, lon2 = map(float, pair.split())
            bearing, distance = map(float, mine.split())
            azimuth, _, s12 = map(float, reference.split())
            d_bearing = abs((bearing - azimuth % 360 + 180) % 360 - 180)
            if s12 < 1e-3:
                d_bearing = 0.0  # coincident points have no direction to agree on
            group = worst[near_antipode(lat1, lon1, lat2, lon2)]
            group[0] = max(group[0], d_bearing)
            group[1] = max(group[1], abs(distance - s12))
            group[2] += 1
    for antipodal, (d_bearing, d_distance, lines) in sorted(worst.items()):
        where = "within a degree of the antipode" if antipodal else "elsewhere"
        print(f"{where}: {lines} lines, largest bearing difference {d_bearing:.3g} deg, "
              f"largest distance difference {d_distance * 1000:.3g} mm")


if __name__ == "__main__":
    if sys.argv[1:2] == ["make"] and len(sys.argv) == 6:
        make(int(sys.argv[2]), int(sys.argv[3]), sys.argv[4], sys.argv[5])
    elif sys.argv[1:2] == ["compare"] and len(sys.argv) == 5:
        compare(*sys.argv[2:5])
    else:
        sys.exit(__doc__)
