// The target that owns a set of precompiled headers compiles nothing of its own.
