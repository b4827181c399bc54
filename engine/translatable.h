// Marks an English text for Qt's translation tools and leaves it as it is. The engine keeps its English (its
// texts are compared exactly), lupdate finds each marked text under its context, and the windows show
// QCoreApplication::translate(context, text). The definition is Qt's own, so either may come first.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
