// STEP1: the profile group pictures of the four timing belt families and the
// choice of a profile by a click on one.

#include <QFrame>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>

#include "drawing/profilepictures.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/keyboardchoice.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1layout.h"
#include "screens/step1screen.h"

namespace belt {

using namespace style;
using namespace step1;

ProfilePicture::ProfilePicture(int index, QWidget* parent) : QWidget(parent), index_(index) {
    setObjectName(QStringLiteral("TipoDente%1").arg(index));
    setCursor(Qt::PointingHandCursor);
    setToolTip(ProfilePictureCaption(index));
    setFocusPolicy(Qt::StrongFocus);
}

void ProfilePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawProfilePicture(painter, QRectF(rect()), index_);
    if (hasFocus()) PaintFocusFrame(painter, rect());
}

void ProfilePicture::keyPressEvent(QKeyEvent* event) {
    if (IsChooseKey(event)) {
        emit clicked(index_);
        event->accept();
        return;
    }
    if (MoveFocusByArrow(this, event)) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ProfilePicture::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(index_);
}

void Step1Screen::makeProfilePictures() {
    for (int k = 0; k < kProfilePictureCount; ++k) {
        auto* pic = new ProfilePicture(k, this);
        connect(pic, &ProfilePicture::clicked, this, &Step1Screen::TipoDente_Click);
        tipoDente_[static_cast<std::size_t>(k)] = pic;
    }
    evidenziatore_ = new QFrame(this);
    evidenziatore_->setObjectName(QStringLiteral("Evidenziatore"));
    evidenziatore_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Step1Screen::showPictures() {
    const auto pictures = Step1TabPictures(currentTab());
    const double n = static_cast<double>(pictures.size());
    double left = (100 - (n * kPictureWidth + (n - 1) * kPictureGap)) / 2;
    for (int k : pictures) {
        ProfilePicture* pic = tipoDente_[static_cast<std::size_t>(k)];
        PlaceForm(pic, left, kPictureTop, kPictureWidth, kPictureHeight);
        pic->show();
        left += kPictureWidth + kPictureGap;
    }
    updatePictureTabStop();
}

void Step1Screen::updatePictureTabStop() {
    const int chosen = project_.profileButtonIndex;
    MakeTabStop(std::vector<QWidget*>(tipoDente_.begin(), tipoDente_.end()),
                chosen >= 0 && chosen < kProfilePictureCount &&
                        !tipoDente_[static_cast<std::size_t>(chosen)]->isHidden()
                    ? tipoDente_[static_cast<std::size_t>(chosen)]
                    : nullptr);
}

// ---------------------------------------------------------------------------
// Profile choice

void Step1Screen::TipoDente_Click(int index) {
    ProfileSelection shown;
    if (!TipoDenteClick(project_, currentTab(), index, &shown)) return;
    SelectToothProfile(index);
}

void Step1Screen::SelectToothProfile(int index) {
    const int tab = currentTab();
    const ProfileSelection s = belt::SelectToothProfile(project_, tab, index);
    evidenziatore_->hide();
    if (index >= 0 && index < kProfilePictureCount) {
        const QRectF r = LogicalRect(tipoDente_[static_cast<std::size_t>(index)]);
        PlaceForm(evidenziatore_, r.left() - 0.4, r.top() - 0.5, r.width() + 0.8, r.height() + 1.0);
        evidenziatore_->show();
        evidenziatore_->raise();
    }
    updatePictureTabStop();
    if ((tab == kTabOrvanto || tab == kTabRubber) && !s.description.empty()) {
        setTesto0(s.description);
        testo_[0]->show();
    }
    if (tab == kTabFendaro && s.flatGroup) {
        tabella_[5]->clear();
        fillFlatBeltList(*s.flatGroup);
        setTesto0(s.description);
        {
            const QSignalBlocker block(proprieta_);
            proprieta_->setCurrentRow(s.listIndex);
        }
        project_.screen.proprietaListIndex = s.listIndex;
        // Selecting a row chooses that type, as a click on it does.
        if (s.listIndex >= 0) Proprieta_Click();
        proprieta_->show();
        testo_[0]->show();
    }
}

}  // namespace belt
