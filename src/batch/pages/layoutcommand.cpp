// beltcalc-batch layout: the drive's layout of a saved project for CAD, as a
// DXF drawing in millimetres or as an SVG picture.
#include <ostream>
#include <sstream>

#include "batch/command.h"
#include "batch/pages/pagecommand.h"
#include "engine/layout.h"
#include "export/layoutdxf.h"
#include "export/svgfile.h"
#include "units/units.h"

namespace belt::batch {

namespace {

int runLayout(const Invocation& call) {
    ParsedArgs args;
    std::string error = ParseArgs(call.args, {"--dxf", "--svg"}, {}, args);
    if (error.empty() && args.positional.empty())
        error = "which project file? (layout FILE.dat --dxf OUT.dxf)";
    if (error.empty() && args.positional.size() > 1)
        error = "one project file at a time: \"" + args.positional[1] + "\" is one too many";
    const auto dxf = args.values.find("--dxf");
    const auto svg = args.values.find("--svg");
    if (error.empty() && dxf == args.values.end() && svg == args.values.end())
        error = "where to? (--dxf OUT.dxf or --svg OUT.svg)";
    if (error.empty() && dxf != args.values.end() && svg != args.values.end() &&
        IsStandardOutput(dxf->second) && IsStandardOutput(svg->second))
        error = "--dxf and --svg cannot both go to standard output";
    if (!error.empty()) return call.fail(error);

    DriveProject p;
    const int opened = OpenDrive(call, args.positional.front(), p);
    if (opened != kExitOk) return opened;
    // The tangents as the positions give them; the saved path stays current.
    ComputeBeltPaths(p);

    bool belt = true;
    if (dxf != args.values.end()) {
        std::ostringstream drawing;
        belt = WriteLayoutDxf(p, drawing);
        if (WriteOutput(call, dxf->second, drawing.str()) != kExitOk) return kExitError;
    }
    if (svg != args.values.end()) {
        QByteArray picture;
        {
            const PaintingSession session;
            picture = SvgBytes(LayoutSvgPicture(p));
        }
        if (picture.isEmpty()) return call.fail(svg->second + ": the SVG could not be painted");
        const std::string_view bytes(picture.constData(), static_cast<std::size_t>(picture.size()));
        if (WriteOutput(call, svg->second, bytes) != kExitOk) return kExitError;
        belt = belt && !LayoutBeltLines(p).empty();
    }
    if (!belt) return call.fail("the layout has no belt path: only the pulleys are drawn", kExitStopped);
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
    "  (\"-\" for either: to standard output)\n"
    "\nExit status: 0 done, 1 the layout has no belt path (the pulleys are\n"
    "written all the same), 2 error: an unreadable project file, a wrong option\n"
    "or an output that cannot be written.\n",
    runLayout,
}};

}  // namespace

}  // namespace belt::batch
