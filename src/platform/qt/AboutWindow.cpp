#include "platform/qt/AboutWindow.h"

#include <QFontMetrics>
#include <QLabel>
#include <iterator>

#include "about/frmabout.h"
#include "platform/qt/Banner.h"
#include "platform/qt/Colors.h"
#include "platform/qt/DesignedOrder.h"
#include "platform/qt/Twips.h"

AboutWindow::AboutWindow(const frmabout& about, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
  setObjectName("frmabout");
  setWindowTitle(frmabout::kCaption);
  setFixedSize(ToPixels(frmabout::kClientWidth), ToPixels(frmabout::kClientHeight));

  auto* picture = new QLabel(this);
  picture->setObjectName("Picture1");
  picture->setGeometry(ToPixels(frmabout::kPicture1));
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setLineWidth(2);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(AboutBanner());

  for (int i = 0; i < static_cast<int>(std::size(frmabout::kLabel1)); ++i) {
    const frmabout::Label& designed = frmabout::kLabel1[i];
    auto* label = new QLabel(QString::fromLocal8Bit(about.Text(i)), this);
    label->setObjectName(QString("Label1(%1)").arg(i));
    label->setGeometry(ToPixels(designed.Position));
    label->setWordWrap(designed.Centred);
    QFont font = label->font();
    font.setPointSizeF(frmabout::LabelFontSize(font.pointSizeF(), !designed.Centred, [&](float size) {
      QFont trial = font;
      trial.setPointSizeF(size);
      return QFontMetrics(trial).horizontalAdvance(label->text()) <= label->width();
    }));
    label->setFont(font);
    label->setAlignment((designed.Centred ? Qt::AlignHCenter : Qt::AlignRight) | Qt::AlignTop);
    if (const QColor color = ToQColor(designed.ForeColor); color.isValid()) {
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText, color);
      label->setPalette(palette);
    }
  }
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
  if (!ClosesDialog(*this, *event)) QDialog::keyPressEvent(event);
}
