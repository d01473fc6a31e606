#pragma once
// A view in a bare window with its document, and the means to fill it with bytes, read its
// whole text and record message boxes.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QKeyEvent>
#include <QStringList>

#include <memory>
#include <string>

#include "editview/CEditViewPlus.h"
#include "platform/Archive.h"
#include "platform/CDocument.h"
#include "platform/MessageBox.h"

namespace venkora::test {

class EditViewFixture : public testing::Test {
protected:
    EditViewFixture() {
        view->SetDocument(&document);
        view->resize(400, 300);
        view->show();
        SetMessageBoxSeam([this](const QString& text) { messages << text; });
    }
    ~EditViewFixture() override { SetMessageBoxSeam({}); }

    // Loads `bytes` as a file would load; the document stays unmodified.
    void Load(const std::string& bytes) {
        QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        Archive archive(buffer, Archive::Mode::Load);
        view->SerializeRawText(archive);
    }

    // Types `text` character by character, as a keyboard with these characters would.
    void Type(const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(view.get(), &press);
        }
    }

    std::string Text() {
        const char* text = view->LockText();
        std::string copy(text, view->GetTextLength());
        view->UnlockText();
        return copy;
    }

    CDocument document;
    std::unique_ptr<CEditViewPlus> view = std::make_unique<CEditViewPlus>();
    QStringList messages;
};

}  // namespace venkora::test
