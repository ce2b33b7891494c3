#include "shared/ui/Help.h"

#include "base/core/HelpTopics.h"
#include "base/platform/Modal.h"
#include "shared/ui/Guida.h"

#include <QLabel>
#include <QPlainTextEdit>

#include <memory>

namespace Help {
void showTopic(QWidget* parent, const QString& topicTitle)
{
    std::unique_ptr<TfrmGuida> dialog(new TfrmGuida(parent));
    dialog->lblTitolo->setText(topicTitle);
    dialog->txtGuida->setPlainText(HelpTopics::text(topicTitle));
    Modal::run(dialog.get());
}
} // namespace Help
