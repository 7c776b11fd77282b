#include "platform/qt/AssociationsWindow.h"

#include <QFrame>
#include <QKeyEvent>
#include <QSignalBlocker>

#include "aliaseditor/Associations.h"
#include "platform/qt/Banner.h"
#include "platform/qt/DesignedOrder.h"
#include "platform/qt/Twips.h"

namespace {
const Associations::Control& Designed(const char* name) {
  for (const Associations::Control& control : Associations::kControls)
    if (std::string_view(control.Name) == name) return control;
  return Associations::kControls[0];
}

template <typename Widget>
Widget* Place(Widget* widget, const char* name) {
  const Associations::Control& control = Designed(name);
  widget->setObjectName(name);
  widget->setGeometry(ToPixels(control.Position));
  return widget;
}
}  // namespace

AssociationsWindow::AssociationsWindow(QWidget* owner, Associations& form)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      form_(form) {
  setObjectName("Associations");
  setWindowTitle(Associations::kCaption);
  setFixedSize(ToPixels(Associations::kClientWidth), ToPixels(Associations::kClientHeight));

  QLabel* picture = Place(new QLabel(this), "Picture1");
  picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  picture->setLineWidth(2);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(AliasBanner(Designed("Picture1").Text));
  Place(new QLabel(Designed("Label1(1)").Text, this), "Label1(1)");
  Place(new QLabel(Designed("Label1(0)").Text, this), "Label1(0)");
  text1_[0] = Place(new QLineEdit(this), "Text1(0)");
  text1_[1] = Place(new QLineEdit(this), "Text1(1)");
  command2_ = Place(new QPushButton(Designed("Command2").Text, this), "Command2");
  command1_ = Place(new QPushButton(Designed("Command1").Text, this), "Command1");
  for (const char* name : {"Frame1(0)", "Frame1(1)"}) {
    QFrame* frame = Place(new QFrame(this), name);
    frame->setFrameStyle(QFrame::HLine | QFrame::Sunken);
  }
  list1_ = Place(new QListWidget(this), "List1");
  label2_ = Place(new QLabel(this), "Label2");
  label2_->setTextFormat(Qt::PlainText);

  // Neither button is a default button.
  for (QPushButton* button : {command1_, command2_}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }
  SetTabOrder(*this, Associations::kControls);
  list1_->setFocus();
  list1_->installEventFilter(this);
  connect(list1_, &QListWidget::itemSelectionChanged, this,
          [this] { Show(form_.List1_Click(ListIndex())); });
  connect(list1_, &QListWidget::itemDoubleClicked, this,
          [this] { Show(form_.List1_DblClick(ListIndex())); });
  connect(command1_, &QPushButton::clicked, this,
          [this] { Show(form_.Command1_Click(Text(0), Text(1))); });
  connect(command2_, &QPushButton::clicked, this, [this] { Show(form_.Command2_Click()); });
}

void AssociationsWindow::Show(const AssociationsUpdate& update) {
  {
    const QSignalBlocker quiet(list1_);
    if (update.List1) {
      list1_->clear();
      for (const std::string& entry : *update.List1) list1_->addItem(QString::fromLocal8Bit(entry));
      list1_->clearSelection();
      list1_->setCurrentRow(-1);
    }
    if (update.Added) list1_->addItem(QString::fromLocal8Bit(*update.Added));
  }
  for (int i = 0; i < 2; ++i)
    if (update.Text1[i]) text1_[i]->setText(QString::fromLocal8Bit(*update.Text1[i]));
  if (update.Label2) label2_->setText(QString::fromLocal8Bit(*update.Label2));
}

int AssociationsWindow::ListIndex() const {
  const QList<QListWidgetItem*> selected = list1_->selectedItems();
  return selected.isEmpty() ? -1 : list1_->row(selected.constFirst());
}

std::string AssociationsWindow::Text(int index) const {
  return text1_[index]->text().toLocal8Bit().toStdString();
}

void AssociationsWindow::keyPressEvent(QKeyEvent* event) {
  if (!ClosesDialog(*this, *event)) QDialog::keyPressEvent(event);
}

bool AssociationsWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != list1_ || event->type() != QEvent::KeyPress)
    return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const int code = KeyCodeOf(key->key());
  if (!code) return false;
  const auto update = form_.List1_KeyDown(code, ShiftOf(key->modifiers()), ListIndex());
  if (update) Show(*update);
  return update.has_value();
}
