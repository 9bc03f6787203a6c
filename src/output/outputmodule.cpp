// The output module (output/outputdevices.h).
#include <QCheckBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QWidget>

#include "export/svgfile.h"
#include "output/outputdevices.h"

namespace belt {

namespace {

void ShowPrintPreview(QWidget* parent, const PrintDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(document.title);
    QPrintPreviewDialog preview(&printer, parent);
    // Large enough to read the page without zooming first.
    if (parent) preview.resize(parent->size() * 0.85);
    preview.setWindowTitle(QStringLiteral("VESTRANO BELT CALCULATION - ") + document.title);

    QCheckBox* option = nullptr;
    if (!document.option.isEmpty() && document.paintWithOption) {
        option = new QCheckBox(document.option);
        option->setObjectName(QStringLiteral("printOption"));
        if (auto* bar = preview.findChild<QToolBar*>()) {
            bar->addSeparator();
            bar->addWidget(option);
        } else {
            option->setParent(&preview);
        }
        if (auto* view = preview.findChild<QPrintPreviewWidget*>())
            QObject::connect(option, &QCheckBox::toggled, view, &QPrintPreviewWidget::updatePreview);
    }
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* target) {
        QPainter painter(target);
        const QRect paintRect = target->pageLayout().paintRectPixels(target->resolution());
        const DocumentPainter& paint =
            option && option->isChecked() ? document.paintWithOption : document.paint;
        paint(painter, QRectF(QPointF(0, 0), QSizeF(paintRect.size())),
              [target] { return target->newPage(); });
    });
    preview.exec();
}

const OutputDevices kDevices = {kOutputDevicesVersion, &ShowPrintPreview, &WriteSvgFile};

}  // namespace

}  // namespace belt

extern "C" Q_DECL_EXPORT const belt::OutputDevices* belt_output_devices() {
    return &belt::kDevices;
}
