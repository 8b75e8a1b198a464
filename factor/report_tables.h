#pragma once
// The tables of factor's report.  Each writes one table into one stream; the console copy of a
// long list pauses every so many lines (pause = pauseForKey), the report file's copy does not
// (pause = nullptr).
#include <ostream>
#include <string_view>

#include "capacities.h"
#include "table_layout.h"

using PauseHook = void (*)();

// Lines of the means and variances lists between two console pauses.
constexpr int LIST_PAGE = 21;
// Sample lines of the score table between two console pauses.
constexpr int SCORE_PAGE = 20;
// A score: general notation with SCORE_DIGITS significant digits, right-aligned in SCORE_WIDTH
// characters, with fewer digits where the text would otherwise fill the whole field.
constexpr int SCORE_WIDTH = 8;
constexpr int SCORE_DIGITS = 3;

// "\nMeans of the variables:\n" and one line per variable.
void writeMeans(std::ostream& os, const TableLayout& layout, const char* header,
                const VarVector& mean, PauseHook pause);

// The title line, then a heading of labels and one labelled row per variable.
void writeMatrixTable(std::ostream& os, std::string_view title, const TableLayout& layout,
                      const char* header, const VarMatrix& matrix);

// "\nVariances and Standard Deviations:\n", the column heading, one line per variable.
void writeDeviations(std::ostream& os, const TableLayout& layout, const char* header,
                     const VarVector& variance, const VarVector& sigma, PauseHook pause);

// The eigenvalues with their shares of the trace; columnHeading is the console's or the file's.
constexpr std::string_view CONSOLE_EIGEN_HEADING = "        Eigenvalue  Relative Cumulative\n";
constexpr std::string_view FILE_EIGEN_HEADING = "        Eigenvalue   Relative  Cumulative\n";
void writeEigenvalueTable(std::ostream& os, std::string_view columnHeading,
                          const VarVector& eigenvalue, const VarVector& relative,
                          const VarVector& cumulative, int nFound);

// "\nFactor Recipes:\n": one row per factor under the labels of all variables.
void writeRecipeTable(std::ostream& os, const TableLayout& layout, const char* header,
                      const VarMatrix& recipe, int nKeep);

// For a console too narrow for the table: each factor on its own, the variables in groups of
// screenCols, a pause after each factor.
void writeRecipesByFactor(std::ostream& os, const TableLayout& layout, const char* header,
                          const VarMatrix& recipe, int nKeep, PauseHook pause);

// "\nFactor Scores:\n", one line per sample, then the Low and High lines, every score a score
// cell as above.
void writeScores(std::ostream& os, const SampleIds& ids, const SampleMatrix& score,
                 const VarVector& low, const VarVector& high, int nSample, int nKeep,
                 PauseHook pause);

// One line for each kept factor whose eigenvalue is 0 and whose scores are therefore shown as 0.
void writeZeroEigenvalueNotes(std::ostream& os, const VarVector& eigenvalue, int nKeep);
