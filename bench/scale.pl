#!/usr/bin/perl
# The short script a user might write instead of Tremaro, kept here to measure against:
# the same keys, the same ten-character window after the first "=", whole numbers rounded
# half to even, font sizes cut to two decimals. Usage: scale.pl PERCENT < in.frm > out.frm
use strict;
use warnings;

my $factor = $ARGV[0] / 100;
binmode STDIN;
binmode STDOUT;
local $/ = "\r\n";
print "\r\n";
while (my $line = <STDIN>) {
    chomp $line;
    my $equals = index($line, '=');
    if ($equals >= 0 && index($line, "'", $equals) < 0) {
        my $whole = $line =~ /(?:Top|Height|Width|Left)  /;
        my $size = !$whole && $line =~ /Size  / && $line !~ /AutoSize/;
        if ($whole || $size) {
            my $window = substr($line, $equals + 1, 10);
            if ($window =~ /^\s*([-+]?(?:\d+\.?\d*|\.\d+))/) {
                my $number = $whole ? sprintf('%.0f', $1 * $factor) : int($1 * $factor * 100) / 100;
                my $new = '  ' . $number;
                $new .= ' ' x (length($window) - length($new)) if length($new) < length($window);
                substr($line, $equals + 1, length($window)) = $new;
            }
        }
    }
    print $line, "\r\n";
}
