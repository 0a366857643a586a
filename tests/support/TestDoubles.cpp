#include "TestDoubles.h"

#include "platform/RuntimeError.h"

#include <QImage>

namespace av::test {

MessageBoxService::Answer RecordingMessageBox::show(const QString& text, const QString& title,
                                                    Buttons buttons) {
    shown.push_back({text, title, buttons});
    if (onShow) onShow(text);
    if (answers.empty()) return Answer::Ok;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

QStringList RecordingMessageBox::texts() const {
    QStringList out;
    for (const auto& m : shown)
        out.append(m.text);
    return out;
}

QString FakePictures::key(const QString& path) {
    QString k = path.toLower();
    k.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return k;
}

PicturePtr FakePictures::load(const QString& path) {
    const QString k = key(path);
    if (missing.contains(k)) throw RuntimeError(RuntimeError::FileNotFound, path);
    loaded.append(path);
    const QSizeF size = sizes.value(k, defaultSize);
    QImage image(int(size.width() / 15), int(size.height() / 15), QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    return std::make_shared<RasterPicture>(image);
}

float ScriptedRandom::next() {
    if (values.empty()) return 0.5f;
    const float v = values.front();
    values.pop_front();
    return v;
}

} // namespace av::test
