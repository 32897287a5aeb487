#include "mainwindow/device_list_strip.h"

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QToolButton>
#include <QVariant>
#include <filesystem>

#include "form/form_profile.h"
#include "lang/gbk.h"
#include "mainwindow/form_binder.h"
#include "mainwindow/info_area.h"
#include "mainwindow/write_recorder.h"
#include "session/write_record.h"
#include "widgets/lang_qt.h"

namespace dtu {

namespace {

// The dynamic property of a control whose value the list's row set.
constexpr const char* kListedProperty = "listed";

QString Number(std::size_t number) {
    return QString::number(static_cast<qulonglong>(number));
}

QToolButton* StripButton(QToolBar* strip, const char* name) {
    auto* button = new QToolButton(strip);
    button->setObjectName(name);
    strip->addWidget(button);
    return button;
}

}  // namespace

DeviceListStrip::DeviceListStrip(QMainWindow& window, FormModel& form, const FormBinder& binder,
                                 WriteRecorder& recorder, const TLangList& language, InfoArea& log)
    : QToolBar(&window),
      window_(window),
      form_(form),
      binder_(binder),
      recorder_(recorder),
      language_(language),
      log_(log) {
    setObjectName("tb_DeviceList");
    setMovable(false);
    setFloatable(false);
    name_ = new QLabel(this);
    name_->setObjectName("lbl_ListName");
    addWidget(name_);
    addSeparator();
    position_ = new QLabel(this);
    position_->setObjectName("lbl_ListRow");
    addWidget(position_);
    key_ = new QLabel(this);
    key_->setObjectName("lbl_ListKey");
    addWidget(key_);
    back_ = StripButton(this, "btn_ListBack");
    next_ = StripButton(this, "btn_ListNext");
    addSeparator();
    record_ = new QLabel(this);
    record_->setObjectName("lbl_ListRecord");
    addWidget(record_);
    close_ = StripButton(this, "btn_ListClose");
    connect(back_, &QToolButton::clicked, this, [this] {
        if (list_ && row_ > 0) {
            ShowRow(row_ - 1);
        }
    });
    connect(next_, &QToolButton::clicked, this, [this] {
        if (list_ && row_ + 1 < list_->rows.size()) {
            ShowRow(row_ + 1);
        }
    });
    connect(close_, &QToolButton::clicked, this, &DeviceListStrip::CloseList);
    recorder_.onWriteEnded = [this](bool success) { WriteEnded(success); };
    window_.addToolBar(Qt::TopToolBarArea, this);
    hide();
    ApplyTexts();
}

bool DeviceListStrip::Open(const QString& path) {
    const std::filesystem::path file = QFile::encodeName(path).toStdString();
    DeviceListRead read = ReadDeviceList(file);
    FormModel base = form_;
    base.onChanged = nullptr;
    base.onStateChanged = nullptr;
    if (read.problems.empty()) {
        read.problems = CheckDeviceList(read.list, base);
    }
    if (!read.problems.empty()) {
        LogProblems(path, read.problems);
        return false;
    }
    std::error_code error;
    const std::string absolute = std::filesystem::absolute(file, error).lexically_normal().string();
    const std::set<std::size_t> done = RowsDone(recorder_.Path(), absolute);
    ClearMarks();
    list_ = std::move(read.list);
    listPath_ = absolute;
    base_ = std::move(base);
    done_ = done;
    name_->setText(QFileInfo(path).fileName());
    name_->setToolTip(QFile::decodeName(absolute.c_str()));
    Reserve(true);
    show();
    if (const std::optional<std::size_t> first = NextUndone(0)) {
        ShowRow(*first);
    } else {
        log_.ShowInfoLine(TrWith(language_, "lang_List_AllDone", {path}));
        ShowRow(0);
    }
    return true;
}

void DeviceListStrip::TakeBase() {
    if (!list_) {
        return;
    }
    base_ = form_;
    base_.onChanged = nullptr;
    base_.onStateChanged = nullptr;
    ShowRow(row_);
}

void DeviceListStrip::CloseList() {
    ClearMarks();
    list_.reset();
    recorder_.SetRow(std::nullopt);
    hide();
    Reserve(false);
}

void DeviceListStrip::ApplyTexts() {
    back_->setText(Tr(language_, "lang_List_Back"));
    next_->setText(Tr(language_, "lang_List_Next"));
    close_->setText(Tr(language_, "lang_List_Close"));
    record_->setText(
        TrWith(language_, "lang_List_Record", {QFile::decodeName(recorder_.Path().c_str())}));
    if (list_) {
        position_->setText(
            TrWith(language_, "lang_List_Row", {Number(row_ + 1), Number(list_->rows.size())}));
    }
}

void DeviceListStrip::ShowRow(std::size_t row) {
    row_ = row;
    ClearMarks();
    SetFormValues(form_, MergedForm(*list_, row, base_));
    const std::vector<std::string>& cells = list_->rows[row].cells;
    for (std::size_t c = 0; c < list_->columns.size(); ++c) {
        const std::optional<Field> field = list_->columns[c].field;
        QWidget* control = field ? binder_.Control(*field) : nullptr;
        if (control != nullptr && !cells[c].empty()) {
            control->setProperty(kListedProperty, true);
            control->setStyleSheet(
                QStringLiteral("#%1 { border: 1px solid #2f6fd0; }").arg(control->objectName()));
            marked_.push_back(control);
        }
    }
    key_->setText(FromGbk(RowKey(*list_, row)) +
                  (done_.contains(row + 1) ? QStringLiteral(" \u2713") : QString()));
    back_->setEnabled(row > 0);
    next_->setEnabled(row + 1 < list_->rows.size());
    WriteRecorder::ListedRow listed{listPath_, row + 1, {}};
    for (const auto& [key, value] : RowValues(*list_, row)) {
        listed.values.emplace_back(GbkToUtf8(key), GbkToUtf8(value));
    }
    recorder_.SetRow(std::move(listed));
    ApplyTexts();
}

void DeviceListStrip::WriteEnded(bool success) {
    if (!list_ || !success) {
        return;
    }
    done_.insert(row_ + 1);
    if (const std::optional<std::size_t> next = NextUndone(row_ + 1)) {
        ShowRow(*next);
    } else {
        ShowRow(row_);
        log_.ShowInfoLine(TrWith(language_, "lang_List_AllDone", {name_->text()}));
    }
}

void DeviceListStrip::ClearMarks() {
    for (QWidget* control : marked_) {
        if (control->property(kListedProperty).toBool()) {
            control->setProperty(kListedProperty, false);
            control->setStyleSheet(QString());
        }
    }
    marked_.clear();
}

std::optional<std::size_t> DeviceListStrip::NextUndone(std::size_t from) const {
    for (std::size_t row = from; row < list_->rows.size(); ++row) {
        if (!done_.contains(row + 1)) {
            return row;
        }
    }
    return std::nullopt;
}

void DeviceListStrip::LogProblems(const QString& path, const std::vector<ListProblem>& problems) {
    for (const ListProblem& problem : problems) {
        if (problem.key.empty()) {
            log_.ShowErrorLine(TrWith(language_, "lang_List_Unusable",
                                      {path, Number(problem.line), Number(problem.column)}));
            continue;
        }
        const QString cell = FromGbk(problem.key) +
                             (problem.value.empty() ? QString() : "=" + FromGbk(problem.value));
        log_.ShowErrorLine(TrWith(language_, "lang_List_Bad",
                                  {path, Number(problem.line), Number(problem.column), cell}));
    }
}

void DeviceListStrip::Reserve(bool shown) {
    const int height = shown ? sizeHint().height() : 0;
    if (height == reserved_) {
        return;
    }
    const int change = height - reserved_;
    reserved_ = height;
    window_.setMinimumHeight(window_.minimumHeight() + change);
    window_.resize(window_.width(), window_.height() + change);
}

}  // namespace dtu
