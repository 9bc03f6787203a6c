// beltcalc-batch layout: the drive's layout of a saved project for CAD, as a
// DXF drawing in millimetres or as an SVG picture.
#include <fstream>
#include <ostream>

#include "batch/command.h"
#include "batch/pages/pagecommand.h"
#include "engine/layout.h"
#include "export/layoutdxf.h"
#include "export/svgfile.h"
#include "units/units.h"

namespace belt::batch {

namespace {

constexpr const char* kName = "beltcalc-batch layout: ";

int runLayout(const Invocation& call) {
    ParsedArgs args;
    std::string error = ParseArgs(call.args, {"--dxf", "--svg"}, {}, args);
    if (error.empty() && args.positional.empty())
        error = "which project file? (layout FILE.dat --dxf OUT.dxf)";
    if (error.empty() && args.positional.size() > 1) error = "one project file at a time";
    const auto dxf = args.values.find("--dxf");
    const auto svg = args.values.find("--svg");
    if (error.empty() && dxf == args.values.end() && svg == args.values.end())
        error = "where to? (--dxf OUT.dxf or --svg OUT.svg)";
    if (!error.empty()) {
        call.err << kName << error << "\n";
        return kExitUsage;
    }

    DriveProject p;
    const int opened = OpenDrive(args.positional.front(), p, call.err, kName);
    if (opened != kExitOk) return opened;
    // The tangents as the positions give them; the saved path stays current.
    ComputeBeltPaths(p);

    bool belt = true;
    if (dxf != args.values.end()) {
        std::ofstream out(dxf->second, std::ios::binary | std::ios::trunc);
        if (!out) {
            call.err << kName << PlainText(dxf->second) << ": cannot be written\n";
            return kExitUsage;
        }
        belt = WriteLayoutDxf(p, out);
        out.close();
        if (!out) {
            call.err << kName << PlainText(dxf->second) << ": cannot be written\n";
            return kExitUsage;
        }
    }
    if (svg != args.values.end()) {
        const PaintingSession session;
        const QString failed = WriteSvgFile(QString::fromStdString(svg->second), LayoutSvgPicture(p));
        if (!failed.isEmpty()) {
            call.err << kName << failed.toStdString() << "\n";
            return kExitUsage;
        }
        belt = belt && !LayoutBeltLines(p).empty();
    }
    if (!belt) {
        call.err << kName << "the layout has no belt path: only the pulleys are drawn\n";
        return kExitFailure;
    }
    return kExitOk;
}

const Registration kLayout{{
    "layout",
    "layout FILE.dat --dxf OUT.dxf | --svg OUT.svg",
    "the drive's layout for CAD (DXF) or as a picture (SVG)",
    "Writes the layout of a saved project with the belt of its current path.\n"
    "The DXF drawing is 1:1 in millimetres, pulley 1 at the origin, Y up, on\n"
    "the layers PITCH (pitch circles), OUTSIDE (outside diameters), CENTRES\n"
    "(centre marks), BELT (the spans between the tangent points and the arcs\n"
    "of contact, an omega drive's runs to its clamps), CARRIAGE (an open-end\n"
    "drive's carriage) and TEXT (names and diameters). The SVG picture is the\n"
    "layout drawing of the screens, 200 mm square.\n\n"
    "Options:\n"
    "  --dxf OUT.dxf              the layout as an R12 DXF drawing\n"
    "  --svg OUT.svg              the layout as an SVG picture\n"
    "\nExit status: 0 done, 1 the layout has no belt path (the pulleys are\n"
    "written all the same), 2 unreadable project file, wrong options or an\n"
    "output file that cannot be written.\n",
    runLayout,
}};

}  // namespace

}  // namespace belt::batch
