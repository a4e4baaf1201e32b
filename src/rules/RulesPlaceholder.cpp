namespace quorvan {}
