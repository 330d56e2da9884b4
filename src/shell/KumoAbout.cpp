#include "shell/KumoAbout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/Fonts.h"

namespace kumo {

TAboutBox::TAboutBox(KumoApp& /*app*/) {
  setWindowTitle(QStringLiteral("バージョン情報"));
  setFont(GothicFont(13));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(QStringLiteral("Kumo"), this);
  QFont large = font();
  large.setPixelSize(24);
  name->setFont(large);
  layout->addWidget(name, 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(QStringLiteral("中学校時間割エディタ  Version 2.0"), this), 0,
                    Qt::AlignHCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace kumo
