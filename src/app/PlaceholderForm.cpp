#include "app/PlaceholderForm.h"

#include "ui/Twips.h"

#include <QLabel>
#include <QVBoxLayout>

namespace zorvane::app {

PlaceholderForm::PlaceholderForm(const QString& caption) {
    setWindowTitle(caption);
    setFixedSize(ui::TwipsSize(6000, 2400, this));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Cet outil sera disponible dans une prochaine version."));
    text->setAlignment(Qt::AlignCenter);
    text->setWordWrap(true);
    layout->addWidget(text);
}

} // namespace zorvane::app
