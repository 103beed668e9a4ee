#pragma once

// How much of one message body reaches the rich-text engine. Qt's HTML
// import and layout grow with the square of nesting depth, of images and
// line breaks in one go, and of the length of a line without a break
// opportunity; every pass of ours is linear. A peer's message is stored, so
// a message that freezes the window once freezes it at every opening of the
// conversation: each number below keeps the worst single message to a small
// multiple of an ordinary one (bench_chatwindow measures the ratio) while
// staying far above what a person writes. Past a bound the message is shown
// degraded, never dropped: the whole text stays one click away.
namespace RenderBounds {

// Markup characters rendered per message; the rest is cut and the message
// offers its whole text as plain text. About 2,500 words, several screens
// of the history view, and laid out by Qt in a few tens of milliseconds.
constexpr int MaxMarkupChars = 16000;

// HTML characters of a rendered body. Chat text comes out at under twice its
// markup; eight times leaves room for escaped characters and links in full
// and is reached only by a message built to blow up.
constexpr int MaxHtmlChars = 8 * MaxMarkupChars;

// Bold, italic and underline elements open at once. The editor writes at
// most three; sixteen costs Qt nothing measurable, a hundred thousand cost
// minutes. Deeper tags are dropped with their closing tags: the text shows
// with the formatting it had at this depth.
constexpr int MaxFormattingDepth = 16;

// Emoticon pictures per message, each costing Qt about a millisecond to
// import. Later codes stay as their "(name)" text.
constexpr int MaxEmoticons = 50;

// Attachment blocks (files, voice, video, pictures, positions) per message:
// each is a table or a picture and asks the host for its transfer. Later
// attachment tags stay as their text.
constexpr int MaxAttachments = 20;

// Anchors per message (links, mentions, file links and the blocks' own).
// Later ones show as their label without the link.
constexpr int MaxAnchors = 100;

// Line breaks per message; the message is cut at the next one. Two hundred
// lines are several screens. The lines of a message share one paragraph,
// which Qt lays out whole whenever it changes.
constexpr int MaxLineBreaks = 200;

// Characters shown without a break opportunity. Longer runs get a zero-width
// space (U+200B, which Qt's line breaker honours; its HTML import knows no
// <wbr>) after every this many characters. Longer than any address a person
// pastes and wider than the history view, so ordinary text wraps where it
// did; a run without breaks costs Qt the square of its length to wrap.
constexpr int MaxRunLength = 200;

// Characters per paragraph of the plain-text viewer that shows a cut
// message whole. Qt lays a paragraph out whole, so a megabyte on one line
// takes minutes and a million one-line paragraphs take seconds; the viewer
// splits longer lines and gathers short ones into paragraphs of about this
// size (lines within a paragraph still show and copy as lines).
constexpr int MaxViewerParagraphChars = 1000;

// Characters of a system line (a notice the plug-in posted, a room's
// system message): one of our sentences around a name.
constexpr int MaxSystemLineChars = 1000;

} // namespace RenderBounds
