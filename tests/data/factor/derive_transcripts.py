# Derives the expected console transcript and report of a successful factor run, independently
# of the program: every number by the single-precision steps of the statistics and the
# eigen-solver (each sum rounded after each step), every notation by its own rules.  It serves
# the complete runs only (no early stops, answers as numbers).
#
#   python3 derive_transcripts.py TABLE.txt REPORT_NAME OUT_DIR ANSWERS...
#
# writes OUT_DIR/console.txt and OUT_DIR/report.txt; the dialogue tests hold them as
# <name>.console and <name>.report.  Used answers:
#   seven.txt out7.txt 1.e-3 1.e-6 0 8 7 0 7 3     eight.txt eight.out 0.0009 8 2
#   fortyfive.txt scores.txt 1.e-7 2 2             noheader.txt report.txt 1e-4 3 2
#   nobreak.txt report.txt 1e-4 3 1                constant.txt report.txt 1e-4 2 2
#   nearmean.txt report.txt 1e-5 3 2
import math, struct, sys
from decimal import Decimal, ROUND_HALF_UP, Context

def f32(x):
    try:
        return struct.unpack('f', struct.pack('f', x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)

def digits17(v):
    return Decimal('%.16e' % v)

def fixed(v, d):
    if v != v: return 'nan'
    neg = math.copysign(1, v) < 0
    q = digits17(abs(v)).quantize(Decimal(1).scaleb(-d), rounding=ROUND_HALF_UP)
    t = format(q, 'f')
    return ('-' if neg else '') + t

def sci(v, d):
    neg = math.copysign(1, v) < 0
    a = abs(v)
    if a == 0:
        m, e = '0' + ('.' + '0' * d if d > 0 else ''), 0
    else:
        r = Context(prec=d + 1, rounding=ROUND_HALF_UP).plus(digits17(a))
        sign, digs, exp = r.as_tuple()
        digs = ''.join(map(str, digs)).ljust(d + 1, '0')
        e = exp + len(''.join(map(str, r.as_tuple()[1]))) - 1
        m = digs[0] + ('.' + digs[1:d + 1] if d > 0 else '')
    return ('-' if neg else '') + m + 'e' + ('-' if e < 0 else '+') + '%03d' % abs(e)

def general(v, p):
    if p == 0: p = 1
    if v != v: return 'nan'
    if math.isinf(v): return '-inf' if v < 0 else 'inf'
    neg = math.copysign(1, v) < 0
    a = abs(v)
    if a == 0:
        return ('-' if neg else '') + '0'
    r = Context(prec=p, rounding=ROUND_HALF_UP).plus(digits17(a))
    sign, digs, exp = r.as_tuple()
    X = exp + len(digs) - 1
    if -4 <= X <= p - 1:
        t = fixed(a, p - 1 - X)
        if '.' in t: t = t.rstrip('0').rstrip('.')
    else:
        t = sci(a, p - 1)
        m, e = t.split('e')
        if '.' in m: m = m.rstrip('0').rstrip('.')
        t = m + 'e' + e
    return ('-' if neg else '') + t

def wfw(w, v):
    if w <= 0: return ''
    if v == 0 or v != v:
        k, p, q = 1, 7, 1
        positive = False
    else:
        L = math.log10(abs(v))
        if L > 38.5: return '!' * w
        k = int(L + 1.0000100135803223)
        if L + 1.00001 < k: k -= 1
        positive = v > 0
        if positive:
            p = w - 1 if k >= 1 else w + k - 2
            if k < 1: k = 1
            q = w - 6
        else:
            p = w - 2 if k >= 1 else w + k - 3
            k = k + 1
            if k < 2: k = 2
            q = w - 7
        p, q = min(p, 7), min(q, 7)
    if k < w and q < p:
        s = w - k - 1
        t = 7 - k if positive else 8 - k
        if t < 0: t = 0
        s = min(s, t)
        return fixed(v, min(s, 6)).rjust(w)
    s = w - 7 if positive else w - 8
    if s <= 0: return '*' * w
    return sci(v, min(s, 6)).rjust(w)

def gen_w(v, p, w): return general(v, p).rjust(w)

# A score: 3 significant digits in 8 characters, fewer where the text would fill all 8 and run
# into the number before it.
def score_w(v):
    p = 3
    while len(general(v, p)) >= 8 and p > 1: p -= 1
    return general(v, p).rjust(8)

# ---- the run ----
def run(datafile_text, data_name, report_name, answers):
    con, rep = [], []
    PAUSE = 'Press any key to continue...\n'
    intro = ("FACTOR provides principal factor analysis" " of tabular data.\n\n"
             " (Factor currently can accept input files with up to\n"
             + '%5d' % 300 + " samples, " + '%3d' % 100 + " variables per sample, and\n"
             + '%5d' % 1000 + " characters per line.  " "  There should be a header line,\n"
             "  which could be blank, and then one line per sample.\n"
             "  Each sample line should have a leading integer to identify\n"
             "  the sample, followed by a number of floating-point values.\n"
             "  Every column of the input dataset MUST have the same width.)\n\n")
    con.append('\n' + intro)
    con.append("Enter (with no spaces) the [drive:][\\path\\]name of data file: \n")
    con.append("Enter (with no spaces) the [drive:][\\path\\]name for output file: \n")
    rep.append(intro)
    lines = datafile_text.split('\n')
    final_break = datafile_text.endswith('\n')
    if final_break: lines = lines[:-1]
    header, first = lines[0], lines[1]
    L1 = len(first)
    nfield = 0; prev_sep = True
    for c in first:
        sep = c in ' \t'
        if not sep and prev_sep: nfield += 1
        prev_sep = sep
    nvar = nfield - 1
    col = L1 // nfield
    numw = col if col >= 9 else 9
    indent = numw + 1 - col
    screen = min(79 // (numw + 1), nvar)
    echo = min(L1, 79)
    rep.append(data_name + ':\n')
    con.append('-' * echo + '\n' + header[:echo].ljust(echo) + '\n')
    rep.append('-' * L1 + '\n' + header + '\n')
    con.append(first[:echo] + '\n'); rep.append(first + '\n')
    con.append('     .\n' * 3)
    nsample = len(lines) - 1
    for l in lines[2:]: rep.append(l + '\n')
    last = lines[-1]
    if final_break:
        rep.append('\n'); last = ''
    con.append('-' * echo + '\n'); rep.append('-' * len(last) + '\n')
    t = "Inferred " + '%3d' % nvar + " variables per sample.\n"; con.append(t); rep.append(t)
    t = '%5d' % nsample + " samples were found.\n"; con.append(t); rep.append(t)
    ids, data = [], []
    for l in lines[1:]:
        tok = l.split()
        ids.append(int(tok[0])); data.append([f32(float(x)) for x in tok[1:]])
    t = "All data have been read.\n"; con.append(t); rep.append(t); con.append(PAUSE)

    def labelcell(j):  # j from 0
        s = ''.join(header[p] if p < len(header) else ' ' for p in range((j + 1) * col, (j + 2) * col))
        return ' ' * indent + s
    corner = ' ' * (indent + col)
    def valcell(v): return ' ' + wfw(numw, v)
    n = nsample
    mean = []
    for j in range(nvar):
        s = 0.0
        for i in range(n): s = f32(s + data[i][j])
        mean.append(f32(s / n))
    cov = [[0.0] * nvar for _ in range(nvar)]
    for j in range(nvar):
        for k in range(nvar):
            s = 0.0
            for i in range(n): s = f32(s + (data[i][j] - mean[j]) * (data[i][k] - mean[k]))
            cov[j][k] = f32(s / (n - 1))
    var = [cov[j][j] for j in range(nvar)]
    sig = [f32(math.sqrt(v)) for v in var]
    corr = [[f32(cov[j][k] / (sig[j] * sig[k])) if sig[j] * sig[k] != 0 else 0.0 for k in range(nvar)] for j in range(nvar)]
    trace = 0.0
    for v in var: trace = f32(trace + v)

    def both(text, pause_every=None):
        con.append(text); rep.append(text)
    # means
    t = "\nMeans of the variables:\n"; con.append(t); rep.append(t)
    for j in range(nvar):
        line = labelcell(j) + valcell(mean[j]) + '\n'
        con.append(line); rep.append(line)
        if (j + 1) % 21 == 0: con.append(PAUSE)
    con.append(PAUSE)
    def matrix(m):
        out = corner + ''.join(labelcell(j) for j in range(nvar)) + '\n'
        for r in range(nvar):
            out += labelcell(r) + ''.join(valcell(m[r][c]) for c in range(nvar)) + '\n'
        return out
    def matsec(title, toolarge, m):
        if screen < nvar: con.append(toolarge + "See output file " + report_name + "\n\n")
        else: con.append(title + matrix(m))
        rep.append(title + matrix(m)); con.append(PAUSE)
    matsec("\nCovariance matrix:\n", "\nCovariance matrix is too large to display;\n", cov)
    t = "\nVariances and Standard Deviations:\n" + corner + "   Variance      Sigma\n"
    con.append(t); rep.append(t)
    for j in range(nvar):
        line = labelcell(j) + ' ' + wfw(10, var[j]) + ' ' + wfw(10, sig[j]) + '\n'
        con.append(line); rep.append(line)
        if (j + 1) % 21 == 0: con.append(PAUSE)
    con.append(PAUSE)
    matsec("\nCorrelation coefficient matrix:\n", "\nCorrelation coefficient matrix is too large to display;\n", corr)
    # epsilon
    con.append("\nAs a part of factor analysis,\n" "unit eigenvectors are computed by function EIGEN.\n"
               "What uncertainty (epsilon) should be permitted\n" "in each component of each eigenvector?\n"
               "(limits 1.e-3 to 1.e-7): ")
    ans = list(answers)
    while True:
        eps = f32(float(ans.pop(0)))
        if 1.0e-7 <= eps <= 1.0e-3: break
        con.append("Illegal value!\n" "Re-enter epsilon: ")
    rep.append("\nBeginning Factor Analysis\n" "The user chose epsilon\n" "(uncertainty of eigenvalue components) = "
               + general(eps, 6) + "\n")
    con.append("\nThere should be " + str(nvar) + " eigenvalues,\n" "but probably not all are significant.\n"
               "If the number is modest, then find them all,\n" "and decide later how many to keep.\n"
               "If the number is great, then limit the search.\n" "Enter the number of eigenvalues to find: ")
    while True:
        nseek = int(ans.pop(0))
        if 1 <= nseek <= nvar: break
        con.append("Illegal value!\n" "Re-enter number: ")
    rep.append("User chose to seek " + str(nseek) + " eigenvalues.\n")
    # EIGEN
    M = [row[:] for row in cov]
    count = min(nseek, nvar)
    evals = [0.0] * count; vecs = [[0.0] * nvar for _ in range(count)]
    found = count
    for k in range(count):
        x = [f32(1 / math.sqrt(nvar))] * nvar
        ok = False
        for attempt in range(1000):
            y = []
            for i in range(nvar):
                s = 0.0
                for j in range(nvar): s = f32(s + M[i][j] * x[j])
                y.append(s)
            s = 0.0
            for i in range(nvar): s = f32(s + y[i] * y[i])
            norm = f32(math.sqrt(s))
            if s > 0: y = [f32(v / norm) for v in y]
            if all(abs(f32(y[i] - x[i])) <= eps for i in range(nvar)):
                ok = True; break
            x = y
        vecs[k] = y
        if not ok:
            found = k
            con.append(" SUBROUTINE EIGEN FAILED TO FIND EIGEN VECTOR #" + str(k + 1) + "\n"
                       " IN 1000 ATTEMPTS.  RETURNING NUMBER = " + str(k) + "\n")
            break
        evals[k] = norm
        for i in range(nvar):
            for j in range(nvar):
                M[i][j] = f32(M[i][j] - (norm * y[i]) * y[j])
    t = "\nEIGEN found " + str(found) + " eigenvalues and eigenvectors.\n"; con.append(t); rep.append(t)
    rel, cum = [], []
    c = 0.0
    for k in range(found):
        r = f32(evals[k] * 100 / trace)
        c = f32(c + r); rel.append(r); cum.append(c)
    head = "\nEigenvalues and their relative sizes\n" "(normalized by the trace of the variance matrix):\n"
    con.append(head + "        Eigenvalue  Relative Cumulative\n")
    rep.append(head + "        Eigenvalue   Relative  Cumulative\n")
    for k in range(found):
        line = '%6d' % (k + 1) + ' ' + wfw(11, evals[k]) + gen_w(rel[k], 2, 9) + '% ' + gen_w(cum[k], 2, 10) + '%\n'
        con.append(line); rep.append(line)
    while True:
        con.append("\nHow many principal factors should be kept? : ")
        nkeep = int(ans.pop(0))
        if 1 <= nkeep <= found: break
        con.append("Error: P must be in range 1 to " + '%3d' % found + ".\n")
    rep.append("\nUser chose to keep " + '%2d' % nkeep + " principal factors.\n"); con.append(PAUSE)
    recipe = [[f32(math.sqrt(evals[f]) * vecs[f][j]) for j in range(nvar)] for f in range(nkeep)]
    score = []
    for i in range(n):
        row = []
        for f in range(nkeep):
            if evals[f] == 0: row.append(0.0); continue
            s = 0.0
            for j in range(nvar): s = f32(s + (data[i][j] - mean[j]) * recipe[f][j])
            row.append(f32(s / evals[f]))
        score.append(row)
    low = [score[0][f] for f in range(nkeep)]; high = low[:]
    for i in range(1, n):
        for f in range(nkeep):
            if score[i][f] > high[f]: high[f] = score[i][f]
            if score[i][f] < low[f]: low[f] = score[i][f]
    table = "\nFactor Recipes:\n" + corner + ''.join(labelcell(j) for j in range(nvar)) + '\n'
    for f in range(nkeep):
        table += ('%' + str(numw + 1) + 'd') % (f + 1) + ''.join(valcell(v) for v in recipe[f]) + '\n'
    if screen >= nvar:
        con.append(table)
    else:
        for f in range(nkeep):
            con.append("\nFactor Recipe " + '%2d' % (f + 1) + ":\n")
            for g in range(0, nvar, screen):
                idx = range(g, min(g + screen, nvar))
                con.append(''.join(labelcell(j) for j in idx) + '\n')
                con.append(''.join(valcell(recipe[f][j]) for j in idx) + '\n')
            con.append(PAUSE)
    rep.append(table); con.append(PAUSE)
    t = "\nFactor Scores:\n" "  Sample" + ''.join('%8d' % (f + 1) for f in range(nkeep)) + '\n'
    con.append(t); rep.append(t)
    for i in range(n):
        line = '%8d' % ids[i] + ''.join(score_w(score[i][f]) for f in range(nkeep)) + '\n'
        con.append(line); rep.append(line)
        if (i + 1) % 20 == 0: con.append(PAUSE)
    t = "Low:  " + ''.join(score_w(v) for v in low) + "\nHigh: " + ''.join(score_w(v) for v in high) + "\n"
    con.append(t); rep.append(t)
    for f in range(nkeep):
        if evals[f] == 0:
            t = "Factor %d has eigenvalue 0: its scores are shown as 0.\n" % (f + 1)
            con.append(t); rep.append(t)
    con.append(PAUSE)
    con.append("\nJob done.\n" "See output file:\n" + report_name + "\n")
    return ''.join(con), ''.join(rep)

if __name__ == '__main__':
    datafile, report_name, outdir = sys.argv[1], sys.argv[2], sys.argv[3]
    answers = sys.argv[4:]
    text = open(datafile).read()
    c, r = run(text, datafile.split('/')[-1], report_name, answers)
    open(outdir + '/console.txt', 'w').write(c)
    open(outdir + '/report.txt', 'w').write(r)
