#include "framework/keyboard.h"

#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>

#include <array>
#include <atomic>
#include <map>

#include "framework/internal.h"

namespace fw {

namespace {

constexpr int kCodeCount = 128;

// The classic desktop code of a Qt key, or -1 for a key that is not tracked.
int CodeFor(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    switch (key) {
      case Qt::Key_0: return 82;
      case Qt::Key_1: return 83;
      case Qt::Key_2: return 84;
      case Qt::Key_3: return 85;
      case Qt::Key_4: return 86;
      case Qt::Key_5: return 87;
      case Qt::Key_6: return 88;
      case Qt::Key_7: return 89;
      case Qt::Key_8: return 91;
      case Qt::Key_9: return 92;
      case Qt::Key_Period: case Qt::Key_Comma: return 65;
      case Qt::Key_Asterisk: return 67;
      case Qt::Key_Plus: return 69;
      case Qt::Key_Slash: return 75;
      case Qt::Key_Enter: return 76;
      case Qt::Key_Minus: return 78;
      case Qt::Key_Equal: return 81;
      default: break;  // keypad arrows and the like share the main keys' codes
    }
  }
  switch (key) {
    case Qt::Key_A: return 0;
    case Qt::Key_S: return 1;
    case Qt::Key_D: return 2;
    case Qt::Key_F: return 3;
    case Qt::Key_H: return 4;
    case Qt::Key_G: return 5;
    case Qt::Key_Z: return 6;
    case Qt::Key_X: return 7;
    case Qt::Key_C: return 8;
    case Qt::Key_V: return 9;
    case Qt::Key_B: return 11;
    case Qt::Key_Q: return 12;
    case Qt::Key_W: return 13;
    case Qt::Key_E: return 14;
    case Qt::Key_R: return 15;
    case Qt::Key_Y: return 16;
    case Qt::Key_T: return 17;
    case Qt::Key_1: return 18;
    case Qt::Key_2: return 19;
    case Qt::Key_3: return 20;
    case Qt::Key_4: return 21;
    case Qt::Key_6: return 22;
    case Qt::Key_5: return 23;
    case Qt::Key_Equal: return 24;
    case Qt::Key_9: return 25;
    case Qt::Key_7: return 26;
    case Qt::Key_Minus: return 27;
    case Qt::Key_8: return 28;
    case Qt::Key_0: return 29;
    case Qt::Key_BracketRight: return 30;
    case Qt::Key_O: return 31;
    case Qt::Key_U: return 32;
    case Qt::Key_BracketLeft: return 33;
    case Qt::Key_I: return 34;
    case Qt::Key_P: return 35;
    case Qt::Key_Return: return 36;
    case Qt::Key_L: return 37;
    case Qt::Key_J: return 38;
    case Qt::Key_Apostrophe: return 39;
    case Qt::Key_K: return 40;
    case Qt::Key_Semicolon: return 41;
    case Qt::Key_Backslash: return 42;
    case Qt::Key_Comma: return 43;
    case Qt::Key_Slash: return 44;
    case Qt::Key_N: return 45;
    case Qt::Key_M: return 46;
    case Qt::Key_Period: return 47;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 48;
    case Qt::Key_Space: return 49;
    case Qt::Key_QuoteLeft: return 50;
    case Qt::Key_Backspace: return 51;
    case Qt::Key_Escape: return 53;
#ifdef Q_OS_MACOS
    case Qt::Key_Control: return 55;  // Qt reports the command key as Control there
    case Qt::Key_Meta: return 59;
#else
    case Qt::Key_Meta: return 55;
    case Qt::Key_Control: return 59;
#endif
    case Qt::Key_Shift: return 56;
    case Qt::Key_CapsLock: return 57;
    case Qt::Key_Alt: return 58;
    case Qt::Key_Enter: return 76;
    case Qt::Key_F5: return 96;
    case Qt::Key_F6: return 97;
    case Qt::Key_F7: return 98;
    case Qt::Key_F3: return 99;
    case Qt::Key_F8: return 100;
    case Qt::Key_F9: return 101;
    case Qt::Key_F11: return 103;
    case Qt::Key_F10: return 109;
    case Qt::Key_F12: return 111;
    case Qt::Key_Help: case Qt::Key_Insert: return 114;
    case Qt::Key_Home: return 115;
    case Qt::Key_PageUp: return 116;
    case Qt::Key_Delete: return 117;
    case Qt::Key_F4: return 118;
    case Qt::Key_End: return 119;
    case Qt::Key_F2: return 120;
    case Qt::Key_PageDown: return 121;
    case Qt::Key_F1: return 122;
    case Qt::Key_Left: return 123;
    case Qt::Key_Right: return 124;
    case Qt::Key_Down: return 125;
    case Qt::Key_Up: return 126;
    default: return -1;
  }
}

// Which keys are held: written on the UI thread by the tracker, readable from any thread.
std::array<std::atomic<bool>, kCodeCount>& HeldKeys() {
  static std::array<std::atomic<bool>, kCodeCount> held{};
  return held;
}

void ForgetAll() {
  for (auto& key : HeldKeys()) key.store(false, std::memory_order_relaxed);
}

// Watches every key event of the application. A press marks its key held and a release clears
// it; the release of an auto-repeat pair does not, since the key is still down. A key is released
// by the same physical key that pressed it, found by its scan code where the platform gives one
// (Shift changes Key_1 to Key_Exclam between press and release).
class KeyTracker : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int code = CodeFor(key->key(), key->modifiers());
        if (code < 0) break;
        HeldKeys()[static_cast<std::size_t>(code)].store(true, std::memory_order_relaxed);
        if (key->nativeScanCode() != 0) by_scan_code_[key->nativeScanCode()] = code;
        break;
      }
      case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat()) break;
        int code = CodeFor(key->key(), key->modifiers());
        if (auto it = by_scan_code_.find(key->nativeScanCode());
            key->nativeScanCode() != 0 && it != by_scan_code_.end()) {
          code = it->second;
          by_scan_code_.erase(it);
        }
        if (code >= 0) HeldKeys()[static_cast<std::size_t>(code)].store(false, std::memory_order_relaxed);
        break;
      }
      case QEvent::ApplicationStateChange:
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
            Qt::ApplicationActive) {
          Forget();
        }
        break;
      case QEvent::ApplicationDeactivate:
        Forget();
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void Forget() {
    ForgetAll();
    by_scan_code_.clear();
  }
  std::map<quint32, int> by_scan_code_;
};

QPointer<KeyTracker> tracker;

}  // namespace

bool _Keyboard::AsyncKeyDown(std::int64_t code) const {
  if (code < 0 || code >= kCodeCount) return false;
  return HeldKeys()[static_cast<std::size_t>(code)].load(std::memory_order_relaxed);
}

Ref<_Keyboard> Keyboard() {
  static const Ref<_Keyboard> keyboard = New<_Keyboard>();
  return keyboard;
}

namespace internal {

void InstallKeyTracker() {
  RemoveKeyTracker();
  ForgetAll();
  QApplication* app = QtApplication();
  if (!app) return;
  tracker = new KeyTracker(app);
  app->installEventFilter(tracker);
}

void RemoveKeyTracker() {
  ForgetAll();
  if (!tracker) return;
  if (QApplication* app = QtApplication()) app->removeEventFilter(tracker);
  delete tracker.data();
}

}  // namespace internal

}  // namespace fw
