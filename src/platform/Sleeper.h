#pragma once

// Every pause of a device exchange goes through one of these, so tests can see the pauses
// without taking them.
class Sleeper {
  public:
    virtual ~Sleeper() = default;
    virtual void SleepMs(int milliseconds) = 0;
};

class RealSleeper : public Sleeper {
  public:
    void SleepMs(int milliseconds) override;
};

// Takes each pause times a factor; 0 takes none. For the simulated mouse, where waiting out the
// real timings is optional.
class ScaledSleeper : public Sleeper {
  public:
    ScaledSleeper(Sleeper& inner, double factor) : inner_(inner), factor_(factor) {}
    void SleepMs(int milliseconds) override;

  private:
    Sleeper& inner_;
    double factor_;
};
