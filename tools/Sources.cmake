# vorel-report, the batch report writer, comes with its own sources.
