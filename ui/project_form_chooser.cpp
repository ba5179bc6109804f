#include "ui/project_form_chooser.h"

#include "picture/captions.h"
#include "picture/qt_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tremaro {
namespace {

ProjectFormChooser::Offer OfferOf(const QString& projectPath, const std::vector<ProjectForm>& forms, int startingRow) {
    const QDir projectFolder = QFileInfo(projectPath).absoluteDir();
    ProjectFormChooser::Offer offer;
    offer.startingRow = startingRow;
    for (const ProjectForm& form : forms) {
        offer.files.append(QDir::toNativeSeparators(
            projectFolder.relativeFilePath(QFileInfo(QFile::decodeName(form.path.c_str())).absoluteFilePath())));
        offer.captions.append(form.found ? ToQString(form.caption) : captions::ProjectFormMissing());
    }
    return offer;
}

QTreeWidget* MakeList(QWidget* parent, const ProjectFormChooser::Offer& offer) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QStringLiteral("projectFormList"));
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setHeaderLabels({captions::ProjectFormFileHeading(), captions::ProjectFormCaptionHeading()});
    for (qsizetype i = 0; i < offer.files.size(); ++i)
        list->addTopLevelItem(new QTreeWidgetItem(QStringList{offer.files[i], offer.captions[i]}));
    // The file names' column as wide as the longest, with a gap before the captions.
    list->resizeColumnToContents(0);
    list->setColumnWidth(0, list->columnWidth(0) + list->fontMetrics().averageCharWidth() * 3);
    list->header()->setStretchLastSection(true);
    if (QTreeWidgetItem* start = list->topLevelItem(offer.startingRow))
        list->setCurrentItem(start);
    return list;
}

}  // namespace

std::optional<std::size_t> ProjectFormChooser::ChooseForm(QWidget* parent, const QString& projectPath,
                                                          const std::vector<ProjectForm>& forms, int startingRow) {
    offered_.push_back(OfferOf(projectPath, forms, startingRow));
    if (!nextAnswers_.empty()) {
        const std::optional<std::size_t> answer = nextAnswers_.front();
        nextAnswers_.pop_front();
        return answer;
    }
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("projectForms"));
    dialog.setWindowTitle(captions::ProjectFormsTitle());
    dialog.setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(&dialog);
    auto* project = new QLabel(QDir::toNativeSeparators(projectPath), &dialog);
    project->setObjectName(QStringLiteral("projectFile"));
    layout->addWidget(project);
    QTreeWidget* list = MakeList(&dialog, offered_.back());
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(captions::ReadButton());
    buttons->button(QDialogButtonBox::Cancel)->setText(captions::CancelButton());
    buttons->button(QDialogButtonBox::Ok)->setEnabled(list->currentItem() != nullptr);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QTreeWidget::itemActivated, &dialog, &QDialog::accept);
    QObject::connect(
        list, &QTreeWidget::currentItemChanged, &dialog,
        [ok = buttons->button(QDialogButtonBox::Ok)](QTreeWidgetItem* current) { ok->setEnabled(current); });
    dialog.resize(640, 400);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted || !list->currentItem())
        return std::nullopt;
    return static_cast<std::size_t>(list->indexOfTopLevelItem(list->currentItem()));
}

}  // namespace tremaro
