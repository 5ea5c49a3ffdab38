#include "app/gui/about_dlg.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/gui/skin_style.h"
#include "app/string_table.h"
#include "resources/skin_paths.h"
#include "app/gui/window_text.h"

namespace orva {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  const QString title = WindowString(kStrTitle);
  setWindowTitle(WindowText::tr("About %1").arg(title));
  setStyleSheet(SkinDialogStyleSheet());

  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(ProgramIconPath()).pixmap(64, 64));
  auto* name = new QLabel(QStringLiteral("<b>%1</b> %2").arg(title, QString::fromUtf8(LoadString(kStrVersion))), this);
  auto* notice = new QLabel(
      WindowText::tr("Converts video and audio files for phones, players and the web."), this);
  auto* ok = new QPushButton(WindowText::tr("OK"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(name);
  texts->addWidget(notice);
  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addLayout(texts);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace orva
