#!/usr/bin/env python3
"""Reflectograms computed by the circuit simulator ngspice, with their echoes
known from the line's geometry, for the event detector's benchmark and test.

Each trace is a pulse generator with a source resistance driving a lossy
cable: the simulator's lossy lines (series resistance, inductance,
capacitance), and on the way joints (short pieces of
another impedance), impedance steps, insulation faults (a shunt resistance),
series faults, wet stretches (more capacitance and leakage over a length),
and an open, shorted, matched or unseen end. The instrument's input is
AC-coupled. The near-end voltage is sampled at the instrument's sample step,
scaled to levels, given a slow drift and seeded noise, rounded and clipped
to -128..127 as the instrument stores it.

A known echo starts at the first sample after the round trip to its
discontinuity. Echoes whose noiseless height stays below what the noise lets
anyone see are kept as faint, and the re-reflections between the instrument
and the discontinuities as ghosts: a detector is neither asked to find them
nor blamed for reporting them.

Usage: make_traces.py OUT COUNT SEED   (needs ngspice on the PATH)
"""

import math
import os
import random
import subprocess
import sys
import tempfile

C0 = 299792458.0
V = C0 / 1.5  # the instrument's distances are at PR 1.5
LEVELS = 256

# Range (m) -> metres per stored sample of a "pulse" record, as the instrument.
RECORD_STEP = {62.5: 0.125, 125: 0.125, 250: 0.125, 500: 0.125, 1000: 0.125,
               2000: 0.25, 4000: 0.5, 8000: 1.0}
PULSES_NS = [10, 20, 50, 100, 200, 500, 1000, 2000]


class Line:
    """The cable as a list of pieces and lumped elements, nearest first."""

    def __init__(self):
        self.items = []  # ("piece", metres, z, cfactor, gpm) | ("shunt", ohms) | ("series", ohms)
        self.discontinuities = []  # (metres, kind, extent metres)


def pick_pulse(rng, step):
    dt = 2 * step / V * 1e9
    usable = [p for p in PULSES_NS if 3 * dt <= p <= 160 * dt]
    return rng.choice(usable) * 1e-9


def build_line(rng, scale, pulse_m):
    """A line whose echoes stand apart by more than an echo's own width."""
    line = Line()
    z = rng.uniform(25, 90)
    gap = 2.5 * pulse_m + 4
    first = max(1.5 * pulse_m + 4, scale * 0.03)
    end_kind = rng.choice(["open", "short", "open", "short", "matched", "beyond"])
    length = rng.uniform(0.55, 0.95) * scale if end_kind != "beyond" else scale * 1.3
    wanted = rng.randint(1, 4)
    at = []
    room = length - gap - first
    if room > 0:
        for _ in range(wanted):
            at.append(rng.uniform(first, first + room))
        at.sort()
        kept = []
        for a in at:
            if not kept or a - kept[-1] >= gap * 1.6:
                kept.append(a)
        at = kept
    pos = 0.0
    cfac, gpm = 1.0, 0.0

    def piece(to, zz=None, cf=None, g=None):
        nonlocal pos
        if to > pos:
            line.items.append(("piece", to - pos, zz or z, cf or cfac, gpm if g is None else g))
            pos = to

    for a in at:
        kind = rng.choice(["joint", "step", "shunt", "series", "wet"])
        piece(a)
        if kind == "joint":
            jl = rng.uniform(0.3, min(3.0, gap / 4))
            zj = z * rng.choice([rng.uniform(0.45, 0.8), rng.uniform(1.25, 2.2)])
            piece(a + jl, zz=zj)
            line.discontinuities.append((a, "joint", jl))
        elif kind == "step":
            z = z * rng.choice([rng.uniform(0.55, 0.85), rng.uniform(1.2, 1.8)])
            line.discontinuities.append((a, "step", 0))
        elif kind == "shunt":
            line.items.append(("shunt", z * rng.uniform(0.08, 3.0)))
            line.discontinuities.append((a, "shunt", 0))
        elif kind == "series":
            line.items.append(("series", z * rng.uniform(0.15, 2.0)))
            line.discontinuities.append((a, "series", 0))
        else:
            wl = rng.uniform(gap * 0.7, gap * 1.2)
            cf = rng.uniform(1.4, 2.6)
            piece(a + wl, cf=cf, g=2 * rng.uniform(0.05, 0.3) / (wl * z))
            line.discontinuities.append((a, "wet start", 0))
            line.discontinuities.append((a + wl, "wet end", 0))
    piece(length)
    return line, z, end_kind, length


def netlist(line, end_kind, z_end, rs, pulse, rise, dt, t_end, r_dc, tau_ac):
    out = ["* reflectogram", f"V1 src 0 PULSE(0 1 0 {rise:.4g} {rise:.4g} {pulse:.4g} 1)",
           f"Rs src n0 {rs:.6g}",
           # The instrument's AC-coupled input: a slow high-pass, hardly a load.
           f"Cin n0 nin {tau_ac / 1e4:.6g}", "Rin nin 0 1e4"]
    node, count = "n0", 0
    models = {}

    def new_node():
        nonlocal count
        count += 1
        return f"m{count}"

    def model(lpm, cpm, metres):
        key = (lpm, cpm, metres)
        if key not in models:
            models[key] = f"tl{len(models)}"
            out.append(f".model {models[key]} LTRA R={r_dc:.6g} L={lpm:.6g} C={cpm:.6g} LEN={metres:.6g}")
        return models[key]

    for item in line.items:
        if item[0] == "shunt":
            out.append(f"Rf{count} {node} 0 {item[1]:.6g}")
            continue
        if item[0] == "series":
            nxt = new_node()
            out.append(f"Rx{count} {node} {nxt} {item[1]:.6g}")
            node = nxt
            continue
        # The simulator's lossy line takes no leakage with its inductance:
        # a wet stretch leaks through a few shunt resistances along it.
        _, metres, z, cf, gpm = item
        pieces = 4 if gpm > 0 else 1
        name = model(z / V, cf / (z * V), metres / pieces)
        for _ in range(pieces):
            mid = new_node()
            out.append(f"O{count} {node} 0 {mid} 0 {name}")
            node = mid
            if gpm > 0:
                out.append(f"Rg{count} {node} 0 {pieces / (gpm * metres):.6g}")
    end_r = {"open": 1e9, "short": 1e-3, "matched": z_end, "beyond": z_end}[end_kind]
    out.append(f"Rend {node} 0 {end_r:.6g}")
    out += [".options interp", ".control", "set noaskquit",
            f"tran {dt:.6g} {t_end:.6g} 0 {dt:.6g}", "wrdata out.txt v(nin)", "quit", ".endc", ".end"]
    return "\n".join(out) + "\n"


def simulate(text):
    with tempfile.TemporaryDirectory() as d:
        with open(os.path.join(d, "line.cir"), "w") as f:
            f.write(text)
        try:
            subprocess.run(["ngspice", "-b", "line.cir"], cwd=d, check=True, timeout=60,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            return None
        rows = []
        with open(os.path.join(d, "out.txt")) as f:
            for ln in f:
                parts = ln.split()
                if len(parts) >= 2:
                    rows.append((float(parts[0]), float(parts[1])))
    return rows


def sampled(rows, dt, count):
    """The voltage at each sample time, linear between the simulator's points."""
    out, j = [], 0
    for k in range(count):
        t = k * dt
        while j + 1 < len(rows) and rows[j + 1][0] < t:
            j += 1
        if j + 1 >= len(rows):
            out.append(rows[-1][1])
            continue
        (t0, v0), (t1, v1) = rows[j], rows[j + 1]
        out.append(v0 if t1 <= t0 else v0 + (v1 - v0) * (t - t0) / (t1 - t0))
    return out


def one_trace(rng):
    plan = rng.random() < 0.15
    if plan:
        scale = rng.choice([250, 500, 1000])
        count, step = 250, scale / 250
    else:
        scale = rng.choice(list(RECORD_STEP))
        step = RECORD_STEP[scale]
        count = int(math.ceil(scale / step))
    dt = 2 * step / V
    pulse = pick_pulse(rng, step)
    rise = max(dt, rng.uniform(0.05, 0.25) * pulse)
    pulse_m = (pulse + 2 * rise) * V / 2
    line, z_end, end_kind, length = build_line(rng, scale, pulse_m)
    z0 = line.items[0][2]
    rs = z0 * rng.uniform(0.9, 1.1)
    # Series resistance per metre, as a share of the impedance over the
    # range: it rounds far echoes and leaves a slow tail behind each.
    r_dc = z0 * rng.uniform(0.05, 1.0) / scale
    tau_ac = rng.uniform(2, 30) * count * dt
    text = netlist(line, end_kind, z_end, rs, pulse, rise, dt, count * dt, r_dc, tau_ac)
    rows = simulate(text)
    if rows is None:
        return None
    volts = sampled(rows, dt, count)

    gain = rng.uniform(150, 420)  # levels per volt: the launch pulse may clip
    sigma = rng.uniform(0.2, 2.1)
    baseline = rng.randint(-10, 10)
    drift_amp = rng.uniform(0, 2.5)
    drift_len = rng.uniform(0.6, 3) * count
    drift_phase = rng.uniform(0, 2 * math.pi)
    clean = [gain * v for v in volts]
    levels = []
    for k, c in enumerate(clean):
        drift = drift_amp * math.sin(2 * math.pi * k / drift_len + drift_phase)
        n = max(-3 * sigma, min(3 * sigma, rng.gauss(0, sigma)))
        levels.append(max(-128, min(127, round(baseline + c + drift + n))))

    # Echoes from the geometry: the round trip at each piece's own speed.
    def round_trip(metres):
        t, pos = 0.0, 0.0
        for item in line.items:
            if item[0] != "piece" or pos >= metres:
                continue
            part = min(item[1], metres - pos)
            t += 2 * part * math.sqrt(item[3]) / V
            pos += item[1]
        return t

    spots = [(m, kind, ext) for m, kind, ext in line.discontinuities]
    if end_kind in ("open", "short"):
        spots.append((length, "end", 0))
    width_s = int(math.ceil((pulse + 2 * rise) / dt)) + 2
    rise_s = max(1, int(round(rise / dt)))
    echoes, seen = [], []
    for m, kind, ext in spots:
        t = round_trip(m)
        start = int(math.floor(t / dt)) + 1
        if start >= count:
            continue
        width = width_s + int(math.ceil(2 * ext * 1.0 / V / dt))
        height = 0.0
        for k in range(start, min(count, start + width)):
            d = clean[k] - clean[start - 1]
            if abs(d) > abs(height):
                height = d
        faint = abs(height) < max(4.0, 3 * sigma)
        label = "faint" if faint else ("end" if kind == "end" else "echo")
        echoes.append((start, width, int(round(height)), label, kind))
        seen.append((t, abs(height)))
    # Re-reflections: an echo from one discontinuity reflected down again
    # by a nearer one (or the instrument) and back from another, as far as
    # they may be seen: each reflection again keeps about its echo's height
    # over the launch pulse's.
    launch = max(abs(c) for c in clean[:width_s])
    source = abs(rs - z0) / (rs + z0)
    down = [(0.0, source)] + [(t, h / launch) for t, h in seen]
    for ta, ha in seen:
        for tb, hb in seen:
            for tc, gc in down:
                if tc >= min(ta, tb) or tb < ta:
                    continue
                start = int(math.floor((ta + tb - tc) / dt)) + 1
                if start < count and 2 * math.sqrt(ha * hb) * gc >= 0.5 * max(4.0, 3 * sigma):
                    echoes.append((start, width_s, 0, "ghost", "ghost"))
    echoes.sort()
    info = dict(family="plan" if plan else "record", scale=scale, step=step, count=count,
                pulse_ns=round(pulse * 1e9), rise_s=rise_s, sigma=sigma, end=end_kind)
    return info, echoes, levels


def write(path, count, seed):
    rng = random.Random(seed)
    with open(path, "w") as f:
        f.write("# Reflectograms computed by ngspice; regenerate with bench/spice/make_traces.py\n")
        f.write("# trace FAMILY RANGE STEP COUNT PULSE_NS RISE_SAMPLES NOISE_SIGMA END\n")
        f.write("# echo START WIDTH HEIGHT end|echo|faint|ghost KIND\n")
        f.write("# s SAMPLES as two hex digits each, two's complement\n")
        for i in range(count):
            # Now and then the simulator's step control runs away on a
            # line; such a line is drawn again.
            drawn = None
            while drawn is None:
                drawn = one_trace(rng)
            info, echoes, levels = drawn
            f.write("trace {family} {scale:g} {step:g} {count} {pulse_ns} {rise_s} {sigma:.3f} {end}\n"
                    .format(**info))
            for e in echoes:
                f.write("echo %d %d %d %s %s\n" % (e[0], e[1], e[2], e[3], e[4].replace(" ", "-")))
            for k in range(0, len(levels), 100):
                f.write("s " + "".join("%02x" % (v & 0xFF) for v in levels[k:k + 100]) + "\n")
            print(f"{i + 1}/{count}: {info}", file=sys.stderr)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    write(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]))
