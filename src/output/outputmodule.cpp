// The output module (output/outputdevices.h).
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

#include "export/svgfile.h"
#include "output/outputdevices.h"

namespace belt {

namespace {

void ShowPrintPreview(QWidget* parent, const QString& title, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(title);
    QPrintPreviewDialog preview(&printer, parent);
    // Large enough to read the page without zooming first.
    if (parent) preview.resize(parent->size() * 0.85);
    preview.setWindowTitle(QStringLiteral("VESTRANO BELT CALCULATION - ") + title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* target) {
        QPainter painter(target);
        const QRect paintRect = target->pageLayout().paintRectPixels(target->resolution());
        paint(painter, QRectF(QPointF(0, 0), QSizeF(paintRect.size())));
    });
    preview.exec();
}

const OutputDevices kDevices = {kOutputDevicesVersion, &ShowPrintPreview, &WriteSvgFile};

}  // namespace

}  // namespace belt

extern "C" Q_DECL_EXPORT const belt::OutputDevices* belt_output_devices() {
    return &belt::kDevices;
}
