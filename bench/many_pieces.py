"""Many pieces: 65534 bytes in pieces of 2 bytes (32767 pieces) with the null
host, through the real main window's host on the offscreen platform, and by
`split -b 2 -d -a 5`.
"""
import os

from common import median, paired


def many_pieces(null_host, window_host, small, data, pairs, offscreen, say):
    say("| 32767 pieces of 2 bytes | wall (s) | CPU (s) | peak RSS (MiB) |")
    say("|---|---|---|---|")
    many = paired({
        "null host": lambda out: ([null_host, small, "2", os.path.join(out, "small.bin")], None),
        "window host": lambda out: ([window_host, small, "2", os.path.join(out, "small.bin")],
                                    offscreen),
        "split": lambda out: (["split", "-b", "2", "-d", "-a", "5", small,
                               os.path.join(out, "small.bin.")], None),
    }, data, pairs)
    for name, measured in many.items():
        peaks = [m[2] for m in measured if m[2] is not None]
        say("| %s | %.3f | %.3f | %s |" % (name, median([m[0] for m in measured]),
                                          median([m[1] for m in measured]),
                                          "%.1f" % (max(peaks) / 1024) if peaks else "—"))
    window_ratio = median([w[0] / n[0] for w, n in zip(many["window host"], many["null host"])])
    return ["32767 pieces: window host / null host wall ratio %.2f (the project's goal: "
            "at most 1.2 × the engine alone)"
            % window_ratio]
