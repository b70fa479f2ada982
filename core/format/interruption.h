#pragma once

/// A stop asked for by a signal to the command line (SIGINT, SIGTERM, SIGHUP) or by the
/// window's Stop: the running ffmpeg is ended, and the generation stops before its next
/// step, leaving the previous site as it was.
class Interruption
{
public:
    Interruption() = delete;

    /// Catches SIGINT, SIGTERM and SIGHUP; a second one of them ends the program at once.
    static void installerSignaux();
    /// The signal received since, 0 when none.
    static int signal();
    /// Whether the generation of this thread is to stop: a signal came, or its thread
    /// was asked to stop.
    static bool demandee();

    /// Ends the running ffmpeg (the window's Stop); counted, so that the conversion it
    /// ends knows it was stopped rather than failed. Safe in a signal handler.
    static void interrompreConversion();
    /// How many times the running conversion was ended so far.
    static int conversionsInterrompues();
};
