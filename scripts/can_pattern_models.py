#!/usr/bin/python3
"""One openEMS model of a can (or of the dipole that checks the far field), run as
a program of its own: scripts/simulate-can-patterns starts it once per model at
nice 19 and reads the result.json it leaves in the model's folder.

Usage: can_pattern_models.py SPEC_JSON MODEL_DIR

Only the run_* functions import openEMS (its Python interface, Debian package
python3-openems); the sizes and settings above them are plain Python, shared
with the script that writes the table.
"""

import json
import math
import os
import sys
import time

SPEED_OF_LIGHT_M_PER_S = 299792458.0
FREQUENCY_HZ = 10e9  # one frequency; the can's diameter is scaled instead
WAVELENGTH_MM = SPEED_OF_LIGHT_M_PER_S / FREQUENCY_HZ * 1e3
# x'11, the first root of J1': TE11's cutoff is at k a = x'11.
TE11_ROOT = 1.8411837813406593
CAN_LENGTH_WAVELENGTHS = 2.0  # the shortest can the coffee-can screen gives
SOURCE_GUIDE_WAVELENGTHS = 0.25  # the mode source's distance from the back
# Free space between the can and the absorbing layer, and between the can and
# the box the far field is worked out from (wavelengths): the box keeps out of
# the rim's near field, whose sampling on the grid would otherwise show.
AIR_GAP_WAVELENGTHS = 0.5
NF2FF_GAP_WAVELENGTHS = 0.25
# Cells per wavelength, the same everywhere: a coarser free space upsets the
# near field the far field is worked out from. The cell is then shrunk by up to
# SHRINK_LIMIT until the cells inside the wall have the circle's area.
CELLS_PER_WAVELENGTH = {'coarse': 30, 'fine': 45}
SHRINK_LIMIT = 0.9
PML_CELLS = 8
PULSE_BANDWIDTH_HZ = 2e9  # Gaussian pulse, 20 dB down at 8 and 12 GHz
END_ENERGY_RATIO = 1e-5  # stop when the field energy is 50 dB down,
# or after this long: in some cans (1.04 wavelengths and up) the PML's energy
# creeps up at late times and the energy never falls 50 dB, while the field in
# the model has long settled (the 1.04-wavelength can stopped at 8000 and 20000
# timesteps, 15 and 38 ns, differs by 0.006 dB and 0.04 degrees).
MAX_TIME_S = 25e-9
MAX_TIMESTEPS = 400000
ANGLES_DEG = list(range(181))
DIPOLE_CELLS_PER_WAVELENGTH = 42  # a half wavelength is then 21 cells: 10, the feed, 10
DIPOLE_REFERENCE_SHIFT_WAVELENGTHS = 0.25


def cells_inside(radius_cells):
    """Count of the grid cells (origin on a grid node) whose centres lie inside a
    circle of `radius_cells`."""
    n = int(radius_cells) + 1
    quarter = sum(1 for i in range(n) for j in range(n) if (i + 0.5) ** 2 + (j + 0.5) ** 2 < radius_cells ** 2)
    return 4 * quarter


def can_cell_mm(radius_mm, nominal_mm):
    """The largest cell, no larger than `nominal_mm` nor smaller than SHRINK_LIMIT
    times it, with which the cells inside the wall have the area of the circle:
    their count N fixes it at radius sqrt(pi / N)."""
    best = nominal_mm
    for k in range(400):
        trial = nominal_mm * (1 - (1 - SHRINK_LIMIT) * k / 400)
        count = cells_inside(radius_mm / trial)
        matched = radius_mm * math.sqrt(math.pi / count)
        if SHRINK_LIMIT * nominal_mm <= matched <= nominal_mm and cells_inside(radius_mm / matched) == count:
            return matched
    return best


def can_geometry(diameter_wl, mesh):
    """Sizes of the can model in millimetres."""
    radius = diameter_wl * WAVELENGTH_MM / 2
    k = 2 * math.pi / WAVELENGTH_MM
    kc = TE11_ROOT / radius
    return {'radius': radius, 'kc': kc, 'length': CAN_LENGTH_WAVELENGTHS * WAVELENGTH_MM,
            'guide_wavelength': 2 * math.pi / math.sqrt(k * k - kc * kc),
            'cell': can_cell_mm(radius, WAVELENGTH_MM / CELLS_PER_WAVELENGTH[mesh])}


def wall_path(radius_cells):
    """Grid nodes (i, j) around the cells whose centres lie inside the circle,
    first quadrant, from (0, top) to (right, 0) in unit steps; and each row's
    width in cells."""
    n = int(radius_cells) + 2
    widths = [sum(1 for i in range(n) if (i + 0.5) ** 2 + (j + 0.5) ** 2 < radius_cells ** 2) for j in range(n)]
    top = max(j for j in range(n) if widths[j] > 0) + 1
    path = [(0, top)]
    for j in range(top, 0, -1):
        while path[-1][0] < widths[j - 1]:
            path.append((path[-1][0] + 1, j))
        path.append((path[-1][0], j - 1))
    return path, widths


def symmetric_lines(half_span, cell):
    """Grid lines k * cell reaching `half_span` each side, and the PML's cells beyond."""
    count = int(math.ceil(half_span / cell)) + PML_CELLS
    return [k * cell for k in range(-count, count + 1)]


def add_can_metal(metal, cell, length, z_can, radius_cells, np):
    """The wall and the back as PEC wires on the grid's edges: a staircase
    surface of zero thickness around the cells whose centres lie inside the circle."""
    path, widths = wall_path(radius_cells)
    for sx in (1, -1):
        for sy in (1, -1):
            xs = [sx * i * cell for i, _ in path]
            ys = [sy * j * cell for _, j in path]
            for z in z_can:
                metal.AddCurve(np.array([xs, ys, [z] * len(xs)]))
            for x, y in zip(xs, ys):
                metal.AddCurve(np.array([[x, x], [y, y], [-length, 0.0]]))
            for j, w in enumerate(widths):  # the back: every edge inside the wall
                for y in (j * cell, (j + 1) * cell):
                    if w:
                        metal.AddCurve(np.array([[0.0, sx * w * cell], [sy * y] * 2, [-length] * 2]))
            for i in range(max(widths)):
                height = sum(1 for w in widths if w > i)
                for x in (i * cell, (i + 1) * cell):
                    metal.AddCurve(np.array([[sx * x] * 2, [0.0, sy * height * cell], [-length] * 2]))


def import_openems():
    """numpy, CSXCAD and openEMS; python3-openems 0.0.35 still uses numpy's
    removed float and int aliases, so they are put back first."""
    import numpy
    numpy.float = float
    numpy.int = int
    from CSXCAD import ContinuousStructure
    from openEMS import openEMS
    return numpy, ContinuousStructure, openEMS


def new_simulation(openEMS, ContinuousStructure, lines):
    csx = ContinuousStructure()
    fdtd = openEMS(EndCriteria=END_ENERGY_RATIO, NrTS=MAX_TIMESTEPS)
    fdtd.SetGaussExcite(FREQUENCY_HZ, PULSE_BANDWIDTH_HZ)
    fdtd.SetMaxTime(MAX_TIME_S)
    fdtd.SetBoundaryCond(['PML_%d' % PML_CELLS] * 6)
    fdtd.SetCSX(csx)
    grid = csx.GetGrid()
    grid.SetDeltaUnit(1e-3)
    for axis, values in zip('xyz', lines):
        grid.SetLines(axis, values)
    return csx, fdtd


def on_line(lines, position):
    """The grid line nearest `position`: a box off the lines is snapped face by
    face, and its faces then need not meet."""
    return min(lines, key=lambda line: abs(line - position))


def check_box_closed(work_dir, name='nf2ff'):
    """Raises RuntimeError unless the six recorded faces close the box: each lies
    on the box's side and spans it whole."""
    import h5py
    faces = []
    for n in range(6):
        with h5py.File(os.path.join(work_dir, '%s_E_%d.h5' % (name, n)), 'r') as f:
            faces.append([list(f['Mesh'][axis][:]) for axis in 'xyz'])
    low = [min(face[a][0] for face in faces) for a in range(3)]
    high = [max(face[a][-1] for face in faces) for a in range(3)]
    for face in faces:
        flat = [a for a in range(3) if len(face[a]) == 1]
        spans = all(face[a][0] == low[a] and face[a][-1] == high[a] for a in range(3) if a not in flat)
        if len(flat) != 1 or face[flat[0]][0] not in (low[flat[0]], high[flat[0]]) or not spans:
            raise RuntimeError('the far-field box does not close: a face lies at %s' % face)


def complex_pairs(values):
    return [[float(v.real), float(v.imag)] for v in values]


def run_can_model(model, work_dir):
    """Builds and runs one can (axis z, mouth at z = 0, TE11 with E along x);
    returns the far field in the E plane (phi 0 and 180) and the H plane (90, 270)."""
    np, ContinuousStructure, openEMS = import_openems()
    g = can_geometry(model['diameter_wl'], model['mesh'])
    radius, cell, length = g['radius'], g['cell'], g['length']
    gap = AIR_GAP_WAVELENGTHS * WAVELENGTH_MM
    xy_lines = symmetric_lines(radius + gap, cell)
    n_z = int(math.ceil(length / cell))
    dz = length / n_z
    beyond = int(math.ceil(gap / dz)) + PML_CELLS
    z_lines = [k * dz for k in range(-n_z - beyond, beyond + 1)]
    z_can = [z for z in z_lines if -length - dz / 2 < z < dz / 2]
    source_z = min(z_can, key=lambda z: abs(z + length - SOURCE_GUIDE_WAVELENGTHS * g['guide_wavelength']))
    csx, fdtd = new_simulation(openEMS, ContinuousStructure, [xy_lines, xy_lines, z_lines])
    add_can_metal(csx.AddMetal('can'), cell, length, z_can, radius / cell, np)

    # TE11 with E along x: Ex = (J0(u) + J2(u) cos 2a) / 2, Ey = J2(u) sin 2a / 2,
    # u = kc rho, a the azimuth; only inside the wall, half a cell clear of it.
    kc = '%.12g' % g['kc']
    inside = '(rho<%.12g)' % (radius - cell / 2)
    source = csx.AddExcitation('te11', exc_type=0, exc_val=[1, 1, 0])
    source.SetWeightFunction(['0.5*(j0(%s*rho)+jn(2,%s*rho)*cos(2*a))*%s' % (kc, kc, inside),
                              '0.5*jn(2,%s*rho)*sin(2*a)*%s' % (kc, inside), '0'])
    source.AddBox([-radius, -radius, source_z], [radius, radius, source_z])

    box = NF2FF_GAP_WAVELENGTHS * WAVELENGTH_MM
    side = on_line(xy_lines, radius + box)
    nf2ff = fdtd.CreateNF2FFBox(start=[-side, -side, on_line(z_lines, -length - box)],
                                stop=[side, side, on_line(z_lines, box)], frequency=[FREQUENCY_HZ])
    started = time.time()
    fdtd.Run(work_dir, cleanup=True, numThreads=model['threads'], verbose=0)
    fdtd_seconds = time.time() - started
    check_box_closed(work_dir)
    far = nf2ff.CalcNF2FF(work_dir, FREQUENCY_HZ, ANGLES_DEG, [0, 90, 180, 270], center=[0, 0, 0])
    e_theta, e_phi = far.E_theta[0], far.E_phi[0]
    return {'model': model, 'theta': ANGLES_DEG, 'cell_mm': cell, 'fdtd_seconds': fdtd_seconds,
            'cells': len(xy_lines) ** 2 * len(z_lines),
            'e_plane': [complex_pairs(e_theta[:, 0]), complex_pairs(e_theta[:, 2])],
            'h_plane': [complex_pairs(e_phi[:, 1]), complex_pairs(e_phi[:, 3])]}


def run_dipole_model(model, work_dir):
    """A dipole of `length_wl` along z, fed in its middle: its far field (phi = 0)
    referred to its middle and to a point DIPOLE_REFERENCE_SHIFT_WAVELENGTHS up the axis."""
    np, ContinuousStructure, openEMS = import_openems()
    cell = WAVELENGTH_MM / DIPOLE_CELLS_PER_WAVELENGTH
    half = int(round((model['length_wl'] * WAVELENGTH_MM / cell - 1) / 2))  # cells each side of the gap
    gap = AIR_GAP_WAVELENGTHS * WAVELENGTH_MM
    xy_lines = symmetric_lines(gap, cell)
    z_lines = symmetric_lines(half * cell + gap, cell)
    csx, fdtd = new_simulation(openEMS, ContinuousStructure, [xy_lines, xy_lines, z_lines])
    wire = csx.AddMetal('wire')  # the feed gap is the cell from 0 to one cell up
    wire.AddCurve(np.array([[0, 0], [0, 0], [-half * cell, 0]]))
    wire.AddCurve(np.array([[0, 0], [0, 0], [cell, half * cell + cell]]))
    fdtd.AddLumpedPort(1, 73, [0, 0, 0], [0, 0, cell], 'z', 1.0)
    box = on_line(xy_lines, NF2FF_GAP_WAVELENGTHS * WAVELENGTH_MM)
    nf2ff = fdtd.CreateNF2FFBox(start=[-box, -box, on_line(z_lines, -half * cell - box)],
                                stop=[box, box, on_line(z_lines, (half + 1) * cell + box)], frequency=[FREQUENCY_HZ])
    started = time.time()
    fdtd.Run(work_dir, cleanup=True, numThreads=model['threads'], verbose=0)
    fdtd_seconds = time.time() - started
    check_box_closed(work_dir)
    middle = cell / 2 * 1e-3  # metres, as the near-field files
    shift = DIPOLE_REFERENCE_SHIFT_WAVELENGTHS * WAVELENGTH_MM * 1e-3
    far = [nf2ff.CalcNF2FF(work_dir, FREQUENCY_HZ, ANGLES_DEG, [0], center=[0, 0, z], outfile='ff%d.h5' % i)
           for i, z in enumerate((middle, middle + shift))]
    return {'model': model, 'theta': ANGLES_DEG, 'fdtd_seconds': fdtd_seconds, 'cell_mm': cell,
            'cells': len(xy_lines) ** 2 * len(z_lines), 'wire_wavelengths': (2 * half + 1) * cell / WAVELENGTH_MM,
            'at_middle': complex_pairs(far[0].E_theta[0][:, 0]), 'shifted': complex_pairs(far[1].E_theta[0][:, 0])}


def main(argv):
    model, model_dir = json.loads(argv[0]), argv[1]
    runner = run_dipole_model if model['kind'] == 'dipole' else run_can_model
    result = runner(model, os.path.join(model_dir, 'sim'))
    temporary = os.path.join(model_dir, 'result.json.part')
    with open(temporary, 'w', encoding='utf-8') as out:
        json.dump(result, out)
    os.replace(temporary, os.path.join(model_dir, 'result.json'))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
