#pragma once

// Registers the library's built-in resources (":/chat/template.html", the
// images and the ":/chat/chat_<code>.qm" catalogues). Needed once per
// process because they live in a static library; repeated calls are harmless.
void initChatResources();
