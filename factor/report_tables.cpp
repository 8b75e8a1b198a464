#include "report_tables.h"

#include <iomanip>

#include "factors.h"
#include "fixed_width.h"
#include "notation.h"

namespace {

// Pauses after every page-th line of a list, when the list pauses at all.
void pageBreak(PauseHook pause, int linesWritten, int page) {
    if (pause != nullptr && linesWritten % page == 0) pause();
}

void writeLabelRow(std::ostream& os, const TableLayout& layout, const char* header, int from,
                   int to) {
    for (int v = from; v < to; ++v) writeLabelCell(os, layout, header, v);
    os << "\n";
}

void writeValueRow(std::ostream& os, const TableLayout& layout, const float* values, int from,
                   int to) {
    for (int v = from; v < to; ++v) writeValueCell(os, layout, values[v]);
    os << "\n";
}

// A score whose text would fill all of its 8 characters would run into the number before it
// ("80.000423"): it loses significant digits until a blank is left, as writeFixedWidth drops
// decimals from a text too wide.  One digit always leaves room: "-0.0001" and "-3e+038" are the
// widest.  The stream keeps the precision of the table all the same.
void writeScoreValue(std::ostream& os, float value) {
    char text[NOTATION_BUFFER];
    int digits = SCORE_DIGITS;
    int length = formatGeneral(text, value, digits);
    while (length >= SCORE_WIDTH && digits > 1) length = formatGeneral(text, value, --digits);
    os.precision(SCORE_DIGITS);
    for (int i = length; i < SCORE_WIDTH; ++i) os.put(' ');
    os.write(text, length);
}

}  // namespace

void writeMeans(std::ostream& os, const TableLayout& layout, const char* header,
                const VarVector& mean, PauseHook pause) {
    os << "\nMeans of the variables:\n";
    for (int j = 0; j < layout.nVar; ++j) {
        writeLabelCell(os, layout, header, j);
        writeValueCell(os, layout, mean[j]);
        os << "\n";
        pageBreak(pause, j + 1, LIST_PAGE);
    }
}

void writeMatrixTable(std::ostream& os, std::string_view title, const TableLayout& layout,
                      const char* header, const VarMatrix& matrix) {
    os << title;
    writeCorner(os, layout);
    writeLabelRow(os, layout, header, 0, layout.nVar);
    for (int r = 0; r < layout.nVar; ++r) {
        writeLabelCell(os, layout, header, r);
        writeValueRow(os, layout, matrix[r].data(), 0, layout.nVar);
    }
}

void writeDeviations(std::ostream& os, const TableLayout& layout, const char* header,
                     const VarVector& variance, const VarVector& sigma, PauseHook pause) {
    os << "\nVariances and Standard Deviations:\n";
    writeCorner(os, layout);
    os << "   Variance      Sigma\n";
    for (int j = 0; j < layout.nVar; ++j) {
        writeLabelCell(os, layout, header, j);
        os << ' ';
        writeFixedWidth(os, 10, variance[j]);
        os << ' ';
        writeFixedWidth(os, 10, sigma[j]);
        os << "\n";
        pageBreak(pause, j + 1, LIST_PAGE);
    }
}

void writeEigenvalueTable(std::ostream& os, std::string_view columnHeading,
                          const VarVector& eigenvalue, const VarVector& relative,
                          const VarVector& cumulative, int nFound) {
    os << "\nEigenvalues and their relative sizes\n"
       << "(normalized by the trace of the variance matrix):\n"
       << columnHeading;
    for (int k = 0; k < nFound; ++k) {
        os << std::setw(6) << k + 1 << ' ';
        writeFixedWidth(os, 11, eigenvalue[k]);
        os << std::setprecision(2) << std::setw(9) << num(relative[k]) << "% "
           << std::setprecision(2) << std::setw(10) << num(cumulative[k]) << "%\n";
    }
}

void writeRecipeTable(std::ostream& os, const TableLayout& layout, const char* header,
                      const VarMatrix& recipe, int nKeep) {
    os << "\nFactor Recipes:\n";
    writeCorner(os, layout);
    writeLabelRow(os, layout, header, 0, layout.nVar);
    for (int f = 0; f < nKeep; ++f) {
        os << std::setw(layout.numWidth + 1) << f + 1;
        writeValueRow(os, layout, recipe[f].data(), 0, layout.nVar);
    }
}

void writeRecipesByFactor(std::ostream& os, const TableLayout& layout, const char* header,
                          const VarMatrix& recipe, int nKeep, PauseHook pause) {
    int group = layout.screenCols > 0 ? layout.screenCols : 1;
    for (int f = 0; f < nKeep; ++f) {
        os << "\nFactor Recipe " << std::setw(2) << f + 1 << ":\n";
        for (int from = 0; from < layout.nVar; from += group) {
            int to = from + group < layout.nVar ? from + group : layout.nVar;
            writeLabelRow(os, layout, header, from, to);
            writeValueRow(os, layout, recipe[f].data(), from, to);
        }
        if (pause != nullptr) pause();
    }
}

void writeScores(std::ostream& os, const SampleIds& ids, const SampleMatrix& score,
                 const VarVector& low, const VarVector& high, int nSample, int nKeep,
                 PauseHook pause) {
    os << "\nFactor Scores:\n"
       << "  Sample";
    for (int f = 0; f < nKeep; ++f) os << std::setw(8) << f + 1;
    os << "\n";
    for (int i = 0; i < nSample; ++i) {
        os << std::setw(8) << ids[i];
        for (int f = 0; f < nKeep; ++f) writeScoreValue(os, score[i][f]);
        os << "\n";
        pageBreak(pause, i + 1, SCORE_PAGE);
    }
    os << "Low:  ";
    for (int f = 0; f < nKeep; ++f) writeScoreValue(os, low[f]);
    os << "\nHigh: ";
    for (int f = 0; f < nKeep; ++f) writeScoreValue(os, high[f]);
    os << "\n";
}

void writeZeroEigenvalueNotes(std::ostream& os, const VarVector& eigenvalue, int nKeep) {
    for (int f = 0; f < nKeep; ++f)
        if (hasZeroEigenvalue(eigenvalue, f))
            os << "Factor " << f + 1 << " has eigenvalue 0: its scores are shown as 0.\n";
}
