// hypoview: a perspective view of earthquake hypocentres and a gridded surface from a viewpoint
// the user chooses, written as a graphics metafile fitted to the plot rectangle.  The dialogue
// runs once from top to bottom: input files, viewpoint, drawing.
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "answers.h"
#include "command_line.h"
#include "console.h"
#include "data_extent.h"
#include "drawing.h"
#include "grid_reading.h"
#include "hypocenter_reading.h"
#include "hypoview_data.h"
#include "metafile_name_question.h"
#include "notation.h"
#include "output_files.h"
#include "projection.h"
#include "scale_to_fit.h"
#include "title_lines.h"
#include "viewpoint.h"

namespace {

// The run's data, owned here for the whole run at their fixed capacities.
Hypocenters hypocenters;
SurfaceGrid surface;

// Opens an existing file for reading; a folder of that name counts as a file that cannot be
// opened, since nothing could be read from it.
bool openInput(const std::string& name, std::ifstream& file) {
    std::error_code ec;
    if (std::filesystem::is_directory(name, ec)) return false;
    file.open(name);
    return file.is_open();
}

// First letters of the answers (yes, true, ok) that mean going on without a missing file.
constexpr std::string_view PROCEED_LETTERS = "yYtToO";
constexpr std::string_view YES_LETTERS = "yY";

bool startsWithOneOf(const std::string& answer, std::string_view letters) {
    return !answer.empty() && letters.find(answer[0]) != std::string_view::npos;
}

void proceedOrStop(const char* question) {
    if (!startsWithOneOf(askWord(question), PROCEED_LETTERS)) stopProgram(-1);
}

// The metafile is created before the input files are read: one of the same name would be emptied
// before its data could be read, so such a name is asked again; so is a name the scale-to-fit
// pass could not rewrite at the end (its scratch file, a folder, a device, a pipe).
std::string askMetafileName(const std::vector<std::string>& inputs) {
    return askFittableMetafileName(
        "\nEnter a name for the output graphics metafile\n"
        "(with file extension .skm; e.g., Hypoview.skm): ",
        [&inputs](const std::string& name) {
            for (const std::string& input : inputs)
                if (namesOneFile(name, input))
                    return "The metafile would replace the input file " + name +
                           "; it needs a name of its own.\n";
            return std::string();
        });
}

void readGridOrStop(std::ifstream& file, const std::string& name) {
    SurfaceRead result = readSurfaceGrid(file, surface);
    if (result != SurfaceRead::ok) {
        std::cout.flush();
        std::cerr << surfaceReadMessage(result, name);
        stopProgram(-1);
    }
}

// Returns whether the user chose to rescale the grid; multiplier then holds the factor.
bool offerRescaling(float& multiplier) {
    std::cout << "\n"
              << "Do you want to scale the gridded data set ?\n"
              << "(This is useful when the data set is something\n"
              << " other than topography, with different dimensions.)\n";
    if (!startsWithOneOf(askWord("Answer \"Y\" for YES, or \"N\" to omit scaling: "), YES_LETTERS))
        return false;
    std::cout << "\n";
    multiplier = askFloat(
        "Enter multiplier for gridded data set;\n"
        "(Use 1.0 for no change, >1.0 to expand, or\n"
        "  <1.0 to shrink).......: ");
    scaleGrid(surface, multiplier);
    return true;
}

void writeExtentRow(const char* label, float low, float middle, float high) {
    std::cout << label << std::setw(10) << num(low) << " " << std::setw(10) << num(middle) << " "
              << std::setw(10) << num(high) << "\n";
}

void writeExtentTable(const Extent& e, const Vec3& m) {
    std::cout << "\n"
              << "Outer limits of data range are:\n"
              << "\n"
              << "              Minimum     Middle    Maximum\n";
    // Every real on the console from here on is in this notation.
    std::cout << std::scientific << std::setprecision(2);
    writeExtentRow(" Alpha     ", e.xmin, m.x, e.xmax);
    writeExtentRow(" Beta      ", e.ymin, m.y, e.ymax);
    writeExtentRow(" Gamma(Up) ", e.zmin, m.z, e.zmax);
    std::cout << "\n";
}

// Asks until the viewpoint is outside the data, near enough and not vertical.
Vec3 askViewpoint(const Extent& extent, const Vec3& middle, float far) {
    for (;;) {
        std::cout << "Enter 3 coordinates of desired viewpoint: \n";
        Vec3 eye;
        eye.x = askFloat("   Alpha: ");
        eye.y = askFloat("   Beta : ");
        eye.z = askFloat("   Gamma: ");
        switch (judgeViewpoint(eye, extent, middle, far)) {
            case ViewpointVerdict::accepted:
                return eye;
            case ViewpointVerdict::inside:
                std::cout << "VIEWPOINT MUST BE OUTSIDE THE BOX."
                          << "\n"
                          << std::flush;
                break;
            case ViewpointVerdict::tooDistant:
                std::cout << "VIEWPOINT IS TOO DISTANT !\n"
                          << "PLOT WILL BE DISTORTED OR DESTROYED BY ROUNDOFF ERROR.\n"
                          << "PLEASE SELECT A VIEWPOINT WITHIN " << num(far) << "\n"
                          << "  OF THE CENTER OF THE DATA..."
                          << "\n"
                          << std::flush;
                break;
            case ViewpointVerdict::vertical:
                std::cout << "VERTICAL VIEWS ARE NOT PERMITTED.\n"
                          << "PLEASE MOVE VIEWPOINT AT LEAST SLIGHTLY TO SIDE..."
                          << "\n"
                          << std::flush;
                break;
        }
    }
}

void suggestStereoViewpoint(const Vec3& middle, const Vec3& eye) {
    Vec3 right = stereoViewpoint(middle, eye);
    std::cout << "\n"
              << "If this plot is the first of a stereo pair,\n"
              << "and represents the view of the left eye,\n"
              << "then a reasonable viewpoint for the right eye\n"
              << "would be located at:\n"
              << "(" << std::setw(9) << num(right.x) << "," << std::setw(9) << num(right.y) << ","
              << std::setw(9) << num(right.z) << ").\n"
              << "YOU MAY WANT TO MAKE A NOTE OF THIS FOR NEXT TIME."
              << "\n"
              << std::flush;
}

}  // namespace

// What --help prints.
constexpr std::string_view HELP = R"help(Usage: hypoview [--help | --version]
Draws earthquake hypocentres and a gridded surface in perspective, from a
viewpoint you choose, as a graphics metafile fitted to the 9.9 x 7.5 plot
rectangle.  Every input is typed at the prompts, in this order:
  1. the gridded-data file (.grd; its first array is drawn);
  2. the hypocentre file (x y z triples);
     (for a file that cannot be opened: whether to go on without it)
  3. the graphics metafile to write (.skm);
  4. with a grid: whether to multiply its values, and by what;
  5. the viewpoint: three numbers outside the data, not too distant and
     not straight above or below the centre (asked again until so).
Reads the two input files; writes the metafile and the scratch file
temporary.tmp in the working directory.
Once the metafile is written it says "Now use Sketcher": Sketcher is an
outside program that renders metafiles, and here skm2svg plays its part
(skm2svg FILE.skm draws the picture FILE.svg).
)help";

int main(int argc, char** argv) {
    if (auto status = answerProgramArguments(argc, argv, "hypoview", HELP)) return *status;
    std::cout << "Program Hypoview: Perspective view of data\n\n";

    std::string gridName = askWord("Enter name of gridded-data (.grd?) file: ");
    std::ifstream gridFile;
    const bool haveGrid = openInput(gridName, gridFile);
    if (!haveGrid) {
        std::cout.flush();
        std::cerr << "Unable to open gridded-data file " << gridName << "\n";
        proceedOrStop("Proceed without using any gridded data?: ");
    }

    std::string hypocenterName = askWord("\nEnter name of hypocenter data file: ");
    std::ifstream hypocenterFile;
    const bool haveHypocenters = openInput(hypocenterName, hypocenterFile);
    if (!haveHypocenters) {
        std::cout << "Unable to open hypocenter file " << hypocenterName << "\n";
        proceedOrStop("Proceed without using any hypocenters?: ");
    }

    if (!haveGrid && !haveHypocenters) {
        std::cout << "\nHypoview cannot proceed without input data."
                  << "\n"
                  << std::flush;
        pauseForKey();
        stopProgram(-1);
    }

    std::vector<std::string> inputs;
    if (haveGrid) inputs.push_back(gridName);
    if (haveHypocenters) inputs.push_back(hypocenterName);
    std::string metafileName = askMetafileName(inputs);
    OutputFile metafile;
    // The picture would be lost: better to say so now than after the whole dialogue.
    if (!metafile.create(metafileName)) stopProgram(-1);

    std::cout << "\nReading data files ....\n";
    if (haveGrid) {
        readGridOrStop(gridFile, gridName);
        gridFile.close();
    }
    float multiplier = 1.0f;
    bool rescaled = surface.npoints > 0 && offerRescaling(multiplier);
    readHypocenters(hypocenterFile, hypocenters);
    hypocenterFile.close();
    if (hypocenters.nh == MAX_HYPOCENTERS)
        std::cout << "Sorry; can only accept first " << MAX_HYPOCENTERS << " hypocenters.\n";

    if (surface.npoints <= 0 && hypocenters.nh <= 0) {
        std::cout << "\n"
                  << "There are no data to project.  Job done.\n";
        return 0;
    }

    const Extent extent = dataExtent(hypocenters, surface);
    const Vec3 middle = dataCenter(extent);
    const float far = distanceLimit(extent);
    writeExtentTable(extent, middle);
    if (far == 0) {
        // Every viewpoint outside a single point is farther than 0 from it.
        std::cout << "All data lie at one point, so no viewpoint can be accepted for them.\n"
                  << std::flush;
        pauseForKey();
        stopProgram(-1);
    }
    const Vec3 eye = askViewpoint(extent, middle, far);

    writeViewpointTitle(metafile, eye);
    if (rescaled) writeMultiplierTitle(metafile, multiplier);
    suggestStereoViewpoint(middle, eye);

    pauseForKey();
    std::cout << "\n" << std::flush;
    std::cout << "\n"
              << "Performing Projections...."
              << "\n"
              << std::flush;
    drawPicture(metafile, extent, surface, hypocenters, viewFrame(middle, eye));
    metafile.close();
    scaleToFit<float>(metafileName);

    std::cout << "\n"
              << "Plot metafile has been scaled.  Now use Sketcher.\n";
    pauseForKey();
    return 0;
}
