#pragma once
// A TCP relay on loopback in front of a server's Unix socket, that stalls as
// a field network out of coverage does: frozen, it forwards nothing and takes
// no new connection, yet every connection stays open and its kernel still
// answers keepalives, so neither end learns of it. Thawed, what waited goes
// on in order. It runs on a thread of its own, so a program blocked on it
// does not hold it.
#include <QString>
#include <chrono>
#include <mutex>
#include <thread>

class TcpRelay {
public:
    explicit TcpRelay(QString serverSocket);
    ~TcpRelay();
    TcpRelay(const TcpRelay&) = delete;
    TcpRelay& operator=(const TcpRelay&) = delete;

    // False with error() saying why when it could not listen.
    bool listening() const { return listener_ >= 0; }
    QString error() const { return error_; }
    int port() const { return port_; }

    // Stops forwarding; thaws by itself after `atMost`, so that a test of a
    // program that never comes back still ends.
    void freeze(std::chrono::milliseconds atMost);
    void thaw();

private:
    void run();
    void wake();

    QString serverSocket_;
    QString error_;
    int listener_ = -1;
    int port_ = 0;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
    std::mutex mutex_;
    bool stopping_ = false;
    std::chrono::steady_clock::time_point frozenUntil_{};
    std::thread thread_;
};
