#include "widgets/form_text.h"

#include <QComboBox>
#include <QPlainTextEdit>

#include "lang/gbk.h"
#include "widgets/lang_qt.h"

namespace dtu {

std::string ToGbk(const QString& text) {
    return Utf8ToGbk(text.toStdString());
}

std::string MemoText(const QPlainTextEdit* memo) {
    QString text = memo->toPlainText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return ToGbk(text);
}

void SetMemoText(QPlainTextEdit* memo, const std::string& gbk) {
    QString text = FromGbk(gbk);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    memo->setPlainText(text);
}

void SetComboByText(QComboBox* combo, const std::string& gbk) {
    const QString text = FromGbk(gbk);
    for (int item = 0; item < combo->count(); ++item) {
        if (combo->itemText(item).compare(text, Qt::CaseInsensitive) == 0) {
            combo->setCurrentIndex(item);
            return;
        }
    }
    combo->setCurrentIndex(-1);
}

}  // namespace dtu
