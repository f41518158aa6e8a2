#include "updater/SingleInstance.h"

#include <QLocalSocket>

bool SingleInstance::Acquire() {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(500)) {
        return false;  // another copy answers
    }
    // Nobody answers: a name left behind by a copy that crashed is taken over.
    QLocalServer::removeServer(name_);
    return server_.listen(name_);
}
