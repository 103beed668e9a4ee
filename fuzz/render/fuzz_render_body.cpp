// Message bodies as peers send them, rendered through every pass with the
// reference host (journal off) and the emoticon catalogue, then checked by
// the HTML oracle: only the renderer's own elements and attributes, every
// attribute value quoted and escaped, no peer text that ends an attribute
// or opens a tag, no anchor inside an anchor and no block inside one. The
// bodies must keep to the render bounds as well. The plain-markup path gets
// the same input and checks, and both must come out as the text passes in
// turn make them.

#include "fuzzinput.h"
#include "htmloracle.h"

#include "plugin/records/userobj.h"
#include "render/linkpolicy.h"
#include "render/markupconverter.h"
#include "render/resourcekeytable.h"

#include "emoticons/emotionboxmanager.h"
#include "hostkit/host.h"

#include <sdk/ihostservices.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

hostkit::Host *host = nullptr;
EmotionBoxManager *emoticons = nullptr;
QTemporaryDir *appFolder = nullptr;
int runs = 0;

void writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        abort();
}

// A small catalogue of still pictures (the MNG decoder of the system trips
// the address sanitizer on its own) whose descriptions hold every character
// that needs escaping.
void writeCatalogue(const QString &folder)
{
    const QString root = folder + QStringLiteral("/plugins/chat/emoticons");
    for (const char *sub : {"32x32", "128x128", "config"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub));
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::yellow);
    for (const char *name : {"smile", "sad", "a\"b"}) {
        picture.save(root + QStringLiteral("/32x32/%1.png").arg(QLatin1String(name)));
        picture.save(root + QStringLiteral("/128x128/%1.png").arg(QLatin1String(name)));
    }
    writeFile(root + QStringLiteral("/config/order.cfg"), "smile\nsad\na\"b\n");
    writeFile(root + QStringLiteral("/config/aliases.cfg"), ":)=(smile)\n:(=(sad)\n;)=(a\"b)\n<3=[b]\n");
    writeFile(root + QStringLiteral("/config/en.lng"), "smile=Smile \"big\" <b> & 'co'\nsad=Sad ]\n");
}

// Every run registers transfers and picture names with the host; a fresh
// host now and then keeps its tables small.
void renewHost()
{
    delete host;
    host = new hostkit::Host(hostkit::Profile::inMemory());
    host->journal().setEnabled(false);
}

void check(const QString &html, const QString &input, const char *what, bool bounded = true)
{
    QString problem = checkRenderedHtml(html);
    if (problem.isEmpty() && bounded)
        problem = checkRenderBounds(html);
    if (problem.isEmpty())
        return;
    fprintf(stderr, "%s: %s\ninput: %s\nhtml: %s\n", what, qPrintable(problem), qPrintable(input), qPrintable(html));
    abort();
}

// Empty when every anchor of the renderer's vocabulary is one of its blocks.
QString checkInternalAnchors(const QString &html, const ResourceKeyTable &keys, bool attachments)
{
    for (const OracleAnchor &anchor : anchorsOf(html)) {
        const LinkPolicy::Decision decision = LinkPolicy::decide(anchor.href);
        if (decision.action != LinkPolicy::Action::Internal)
            continue;
        const QString &value = decision.internal.value;
        bool own = false;
        switch (decision.internal.kind) {
        case Links::LinkTarget::Chat: {
            // A bound may cut the name short or break it up; mentions side
            // by side read as one anchor.
            UserObj user;
            const QByteArray id = value.toUtf8();
            const QString name = host->servicesFor("chat")->getUser(&user, id.constData()) ? user.displayNameString()
                                                                                             : QStringLiteral("Unknown");
            const QString text = QString(anchor.text).remove(QChar(0x200B)).trimmed();
            own = !text.isEmpty() && name.startsWith(QString(text).remove(name).trimmed());
            break;
        }
        case Links::LinkTarget::Picture:
            own = attachments && anchor.images.contains(value);
            break;
        case Links::LinkTarget::GeoPosition:
            own = attachments && !anchor.images.isEmpty();
            break;
        case Links::LinkTarget::Cloud:
            own = attachments && keys.containsKey(value);
            break;
        default:
            break;
        }
        if (!own)
            return QStringLiteral("an anchor a peer wrote uses the renderer's vocabulary: %1 (%2)")
                .arg(anchor.href, anchor.text);
    }
    return QString();
}

void checkVocabulary(const QString &html, const QString &input, const ResourceKeyTable &keys, bool attachments,
                     const char *what)
{
    const QString problem = checkInternalAnchors(html, keys, attachments);
    if (problem.isEmpty())
        return;
    fprintf(stderr, "%s: %s\ninput: %s\nhtml: %s\n", what, qPrintable(problem), qPrintable(input), qPrintable(html));
    abort();
}

void differs(const QString &fused, const QString &sequential, const QString &input, const char *what)
{
    if (fused == sequential)
        return;
    fprintf(stderr, "%s: the fused scan and the passes differ\ninput: %s\nfused: %s\nsequential: %s\n", what,
            qPrintable(input), qPrintable(fused), qPrintable(sequential));
    abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication *app = new QGuiApplication(*argc, *argv);
    Q_UNUSED(app);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false\n*.warning=false"));
    renewHost();
    emoticons = new EmotionBoxManager;
    appFolder = new QTemporaryDir;
    writeCatalogue(appFolder->path());
    emoticons->loadCatalogue(appFolder->path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (++runs % 2000 == 0)
        renewHost();
    const QString markup = fuzzText(data, size);
    RenderContext context;
    context.host = host->servicesFor("chat");
    context.emoticons = emoticons;
    context.language = QStringLiteral("en");
    context.bigSingleEmoticons = size % 2;
    ResourceKeyTable keys;
    const MarkupConverter::RenderedBody body =
        MarkupConverter::renderMessageBody(markup, QStringLiteral("<Bea \"B\" & 'b'>"), keys, context);
    check(body.html, markup, "message html");
    check(body.locationHtml, markup, "location html", false);
    const QString plain = MarkupConverter::renderPlainMarkup(markup, context);
    check(plain, markup, "plain markup html");
    checkVocabulary(body.html, markup, keys, true, "message html");
    checkVocabulary(plain, markup, keys, false, "plain markup html");

    // The fused scan writes what the passes in turn write. Default
    // attachment names count up with every file tag.
    static const QRegularExpression defaultName(QStringLiteral("\\d{14}_\\d{2,}\\."));
    const MarkupConverter::RenderedBody sequential = MarkupConverter::renderMessageBody(
        markup, QStringLiteral("<Bea \"B\" & 'b'>"), keys, context, MarkupConverter::Passes::Sequential);
    const QString fusedHtml = QString(body.html).replace(defaultName, QStringLiteral("NAME."));
    const QString sequentialHtml = QString(sequential.html).replace(defaultName, QStringLiteral("NAME."));
    differs(fusedHtml, sequentialHtml, markup, "message html");
    differs(plain, MarkupConverter::renderPlainMarkup(markup, context, MarkupConverter::Passes::Sequential), markup,
            "plain markup html");
    return 0;
}
