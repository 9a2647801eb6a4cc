#pragma once
// The mail settings as last copied from the mail settings store; the mail sender reads them.

#include <QString>

extern QString sender_email;
extern QString sender_pwd;
extern QString sending_server;
extern QString sending_port;
extern QString send_enable_ssl;   // "Y" SSL, "N" TLS, null when never chosen
