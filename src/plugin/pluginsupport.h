#pragma once

#include <QString>

class IImage;

// What the three plug-in objects do alike: translated identity texts, icons
// drawn into the host's image objects, and the administrator's refusal.
namespace PluginSupport {

// Translates `text` in `context` through the installed catalogue into
// `cache` and returns a pointer into it, valid until the cache is next set.
const char16_t *cachedText(QString &cache, const char *context, const char *text);

// Hands the icon resource's pixels (32-bit ARGB) to the host's image object.
// False only when `image` is null.
bool drawIcon(IImage *image, const QString &resource);

// The information box a disabled plug-in shows instead of acting: no parent,
// titled with the host application's name, one OK button.
void showDisabledMessage();

// The interface language the host asked for: the catalogue, and the
// direction the library's windows lay out in.
void setLanguage(const char *languageCode);

} // namespace PluginSupport
