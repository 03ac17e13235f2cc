#pragma once

#include <QByteArray>
#include <functional>
#include <memory>

class SettingsFile;

// The desktop's side of the pointer settings: cursor speed, lines per wheel
// notch, double-click time, and pointer acceleration with its thresholds.
// Every call answers whether the desktop took the value.
class PointerBackend {
public:
    // The pointer's motion parameters: two thresholds (pixels of motion in
    // a short time) and whether acceleration is on (0 off, 1 on).
    struct Motion {
        int threshold1 = 0;
        int threshold2 = 0;
        int acceleration = 0;
    };

    virtual ~PointerBackend() = default;

    // Speed 1 (slowest) to 20 (fastest); 10 moves the pointer as far as the
    // mouse reports.
    virtual bool setMouseSpeed(int speed) = 0;
    virtual bool setWheelScrollLines(int lines) = 0;
    virtual bool setDoubleClickTime(int milliseconds) = 0;
    virtual bool getMotion(Motion& motion) = 0;
    virtual bool setMotion(const Motion& motion) = 0;
};

// The pointer settings of an X11 session.
//
// Cursor speed and acceleration go to the X server's pointer control
// (XChangePointerControl), which knows one threshold T and one ratio
// numerator/denominator: motion of at least T pixels in one event is scaled
// by the ratio, slower motion passes unscaled. They are mapped so:
//
//   acceleration off: T = 1, every motion is scaled: a constant gain of
//                     speed / 10 (speed 10 = 1:1, 20 = 2:1, 1 = 1:10);
//   acceleration on:  T = threshold1, slow motion passes 1:1 and fast motion
//                     is doubled on top of the speed: speed / 5 (speed 10 =
//                     2:1, the X server's own default together with T = 4).
//
// The ratio is reduced (speed 4 off = 2/5). Reading back, acceleration is on
// whenever T is not 1, and the speed is the ratio undone by the same rule.
// X has no second threshold: threshold2 is kept here as last set (0 at
// first); so is threshold1 while acceleration is off (4 at first, the X
// server's default). A threshold of 1 cannot mean "on" and is taken as 4.
//
// Wheel lines and double-click time have no server-wide setting under X11:
// they are applied to this running application (its style hints), where
// they stay until the next change or the end of the program.
//
// Each call opens its own connection to the display and closes it again, so
// a display that has gone away fails the call instead of leaving a dead
// connection behind. X errors are caught and fail the call. (An X server
// resets its pointer control when its last client leaves; in a session the
// desktop's own clients keep it alive.)
//
// Threads: GUI thread only (the X error handler is process-wide while a call
// runs).
class X11PointerBackend final : public PointerBackend {
public:
    static constexpr int kDefaultThreshold = 4;
    static constexpr int kSlowestSpeed = 1;
    static constexpr int kFastestSpeed = 20;

    struct Ratio {
        int numerator = 1;
        int denominator = 1;
    };

    // displayName as XOpenDisplay takes it (":0"); empty: no X server, every
    // server call fails.
    explicit X11PointerBackend(const QByteArray& displayName);

    // The back end for this program's own session: the X server in $DISPLAY
    // when the program shows its windows through X11, none otherwise (a
    // Wayland session's $DISPLAY reaches only its X11 compatibility server,
    // not the pointer the user moves).
    static std::unique_ptr<PointerBackend> forSession();

    // The scaling ratio for a speed 1 to 20 (clamped), with or without
    // acceleration, and back again (rounded and clamped to 1 to 20).
    static Ratio ratioForSpeed(int speed, bool isAccelerated);
    static int speedForRatio(const Ratio& ratio, bool isAccelerated);

    bool setMouseSpeed(int speed) override;
    bool setWheelScrollLines(int lines) override;
    bool setDoubleClickTime(int milliseconds) override;
    bool getMotion(Motion& motion) override;
    bool setMotion(const Motion& motion) override;

    QByteArray displayName() const { return display; }

private:
    QByteArray display;
    int keptThreshold1 = kDefaultThreshold;
    int keptThreshold2 = 0;
};

// The pointer sliders of the sensor page and the acceleration switch.
//
// Each slider travels as an index 0 to 10 and is kept in the current
// profile; the desktop gets the value the index stands for:
//
//   cursor speed        1 for index 0, else 2 x index  (1, 2, 4 ... 20)
//   wheel scroll lines  index + 1                      (1 to 11)
//   double-click time   900 - 70 x index milliseconds  (900 down to 200)
//
// An index above 10 is stored as given and applied as 10. A setter stores
// first and applies second; a desktop that refuses the value leaves one
// debug line ("setCursorSpeed Failed", ...) and the stored index stands.
// The getters of the indices answer from the profile, never from the
// desktop. Acceleration is not stored: it is the desktop's.
//
// Threads: owned and used by the GUI thread only.
class PointerSettings {
public:
    static constexpr const char kCursorSpeedKey[] = "sensor/cursorSpeed_Q4";
    static constexpr const char kScrollLinesKey[] = "sensor/verticalScrollLines_Q4";
    static constexpr const char kDoubleClickSpeedKey[] = "sensor/doubleClickSpeed_Q4";
    static constexpr unsigned kLargestIndex = 10;

    // currentProfile hands out the current profile's settings object at the
    // time of the call (null: nothing is stored). Without a back end the one
    // for this session is used (X11PointerBackend::forSession).
    explicit PointerSettings(std::function<SettingsFile*()> currentProfile,
                             std::unique_ptr<PointerBackend> backend = nullptr);
    ~PointerSettings();
    PointerSettings(const PointerSettings&) = delete;
    PointerSettings& operator=(const PointerSettings&) = delete;

    void setCursorSpeed(unsigned cursorSpeed);
    void setVerticalScrollLines(unsigned lines);
    void setDoubleClickSpeed(unsigned speed);
    // Switches acceleration and leaves both thresholds as the desktop has
    // them; nothing is written when they cannot be read.
    void setAcceleration(bool acceleration);
    // False, with "getAcceleration Failed", when the desktop cannot say.
    bool getAcceleration();

    // The stored slider indices 0 to 10 (0 when absent or not a number).
    unsigned getCursorSpeed() const;
    unsigned getVerticalScrollLines() const;
    unsigned getDoubleClickSpeed() const;

    static int mouseSpeedFor(unsigned index);
    static int wheelScrollLinesFor(unsigned index);
    static int doubleClickTimeFor(unsigned index);

    PointerBackend& backend() const { return *system; }

private:
    void store(const char* key, unsigned index);
    unsigned stored(const char* key) const;

    std::function<SettingsFile*()> currentProfile;
    std::unique_ptr<PointerBackend> system;
};
