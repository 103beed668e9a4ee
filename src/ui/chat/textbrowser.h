#pragma once

#include "ui/chat/documentemoticons.h"

#include <QTextBrowser>

#include <functional>

class EmoticonEntry;

// The read-only history view of chat windows. It never follows links itself
// (the window decides what a click does), keeps a view that stands at its
// bottom at the bottom while content grows (when told to follow) and leaves
// a view the user has scrolled up where it is, and animates emoticons while
// the window is active.
//
// Pictures the history shows (avatars, plug-in icons, file icons, pictures)
// are asked for when the document first needs them: loadResource() passes
// the name to the resolver the window installs.
class TextBrowser : public QTextBrowser
{
    Q_OBJECT
    Q_DISABLE_COPY(TextBrowser)

public:
    static constexpr int AnimationIntervalMs = 100;

    // Returns an image (QImage) for a resource name, or an invalid QVariant.
    using ResourceResolver = std::function<QVariant(int type, const QUrl &name)>;

    explicit TextBrowser(QWidget *parent = nullptr);
    ~TextBrowser() override;

    void addAnimatedImage(const EmoticonEntry *entry);
    const DocumentEmoticons &animatedImages() const { return m_emoticons; }
    bool isAnimating() const { return m_animationTimerId != -1; }

    void setResourceResolver(ResourceResolver resolver) { m_resolver = std::move(resolver); }

    // Remembers the scroll value and maximum; call before changing the content.
    void rememberScrollPosition();
    // Whether the view stands at its bottom now.
    bool isAtBottom() const;
    // Whether a view at its bottom stays there while the content grows
    // (on by default); off, it keeps showing what it showed.
    void setFollowsBottom(bool follow) { m_followsBottom = follow; }
    bool followsBottom() const { return m_followsBottom; }

    // Appends an HTML fragment at the end of the document.
    void appendFragment(const QString &html);
    // Puts an HTML fragment in front of the document and keeps what the user
    // was reading where it was on the screen, however tall the new part.
    void prependFragment(const QString &html);
    // Replaces the document positions [from, to) by an HTML fragment (an
    // empty one removes them). What the user reads stays where it is on the
    // screen to the pixel, however the height of the range changes; a view
    // at its bottom that follows stays at the bottom.
    void replaceRange(int from, int to, const QString &html);

    // The target of a clicked anchor exactly as the document holds it (the
    // URL anchorClicked carries may have been normalised or be invalid); the
    // URL's own text when no click of this view is under way.
    QString clickedTarget(const QUrl &url) const;

Q_SIGNALS:
    // The user scrolled (or wheeled) up against the top of the history.
    void reachedTop();
    // The user scrolled (or wheeled) down against the bottom.
    void reachedBottom();
    // Ctrl+Home and Ctrl+End: the first and the last message.
    void firstRequested();
    void lastRequested();

public Q_SLOTS:
    void scrollToBottom();
    void scrollToTop();
    // Scrolls to the value as the user would: what a prepend or a replaced
    // range pinned is let go.
    void scrollTo(int value);
    // On every change of the scroll range: back to the remembered value, or
    // to the new bottom when the view stood at the bottom.
    void restoreScrollPosition();
    void onScroll();
    void animate();
    void startAnimateImages();
    void stopAnimateImages();

protected:
    void timerEvent(QTimerEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    QVariant loadResource(int type, const QUrl &name) override;
    // Copies without the break opportunities (U+200B) the renderer puts
    // into long runs of text.
    QMimeData *createMimeDataFromSelection() const override;

private:
    void onValueChanged(int value);
    void keepAnchor();

    DocumentEmoticons m_emoticons;
    int m_animationTimerId = -1;
    int m_rememberedValue = 0;
    int m_rememberedMaximum = 0;
    // After a prepend: the document position shown at the top of the view
    // and its distance from the top, held until the user scrolls.
    int m_anchorPosition = -1;
    int m_anchorOffset = 0;
    bool m_restoring = false;
    bool m_followsBottom = true;
    bool m_changingContent = false;
    QString m_activatingTarget; // while an anchor click is being handled
    ResourceResolver m_resolver;
};
