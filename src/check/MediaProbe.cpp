#include "check/MediaProbe.h"

#include "web/UserAgent.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace check {

namespace {
// The page reports in its title. Key systems are offered to secure pages only, so it is given
// an https address; it loads nothing from there, nor from anywhere else.
const char PAGE[] = R"(<script>
const video = 'video/mp4; codecs="avc1.42E01E"', audio = 'audio/mp4; codecs="mp4a.40.2"';
const element = document.createElement('video');
const answers = {video: element.canPlayType(video), audio: element.canPlayType(audio),
                 videoSource: MediaSource.isTypeSupported(video),
                 audioSource: MediaSource.isTypeSupported(audio)};
navigator.requestMediaKeySystemAccess('com.widevine.alpha', [{initDataTypes: ['cenc'],
    videoCapabilities: [{contentType: video, robustness: 'SW_SECURE_CRYPTO'}],
    audioCapabilities: [{contentType: audio, robustness: 'SW_SECURE_CRYPTO'}]}])
  .then(() => '', e => e.name + ': ' + e.message)
  .then(error => { answers.keySystem = error; document.title = JSON.stringify(answers); });
</script>)";
} // namespace

bool mediaPlays(const QString &canPlayType, bool isTypeSupported)
{
    return !canPlayType.isEmpty() && isTypeSupported;
}

MediaAnswers askEngine(int timeoutMsecs)
{
    MediaAnswers answers;
    // Off the record: nothing of the check reaches the disk or the user's web data.
    QWebEngineProfile profile;
    web::applyUserAgent(&profile);
    QWebEnginePage page(&profile);
    QEventLoop loop;
    QObject::connect(&page, &QWebEnginePage::titleChanged, &loop, [&](const QString &title) {
        const QJsonObject json = QJsonDocument::fromJson(title.toUtf8()).object();
        if (json.isEmpty())
            return;
        answers = {true,
                   json.value(QStringLiteral("video")).toString(),
                   json.value(QStringLiteral("audio")).toString(),
                   json.value(QStringLiteral("videoSource")).toBool(),
                   json.value(QStringLiteral("audioSource")).toBool(),
                   json.value(QStringLiteral("keySystem")).toString()};
        loop.quit();
    });
    QTimer::singleShot(timeoutMsecs, &loop, &QEventLoop::quit);
    page.setHtml(QString::fromLatin1(PAGE), QUrl(QStringLiteral("https://tovalin-check.invalid/")));
    loop.exec();
    return answers;
}

} // namespace check
